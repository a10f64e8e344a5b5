#include "platform/wx/WxProcessControl.h"

#include <cstdlib>
#include <wx/app.h>
#include <wx/filename.h>
#include <wx/stdpaths.h>

void CWxProcessControl::RequestQuit(int exitCode)
{
    quitRequested_ = true;
    exitCode_ = exitCode;
    if (wxTheApp && wxTheApp->IsMainLoopRunning()) {
        wxTheApp->ExitMainLoop();
    } else {
        std::exit(exitCode);
    }
}

std::string CWxProcessControl::ProgramPath()
{
    return wxStandardPaths::Get().GetExecutablePath().utf8_string();
}

std::string CWxProcessControl::ProgramName()
{
    return wxFileName(wxStandardPaths::Get().GetExecutablePath()).GetFullName().utf8_string();
}
