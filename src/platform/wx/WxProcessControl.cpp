#include "platform/wx/WxProcessControl.h"

#include <cstdlib>
#include <wx/app.h>
#include <wx/filename.h>
#include <wx/stdpaths.h>

#include "platform/wx/WxPaths.h"

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
    return PathFromWx(wxStandardPaths::Get().GetExecutablePath());
}

std::string CWxProcessControl::ProgramName()
{
    return PathFromWx(wxFileName(wxStandardPaths::Get().GetExecutablePath()).GetFullName());
}
