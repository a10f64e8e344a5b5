#include <cstdint>
#include <cstdlib>
#include <string>
#include <tuple>
#include <vector>
#include <wx/app.h>

#include "app/AppCommandLineInfo.h"
#include "app/ProgramInfo.h"
#include "app/wx/AppApp.h"
#include "platform/CanonicalPath.h"
#include "platform/DisplayText.h"
#include "platform/SystemServices.h"
#include "records/FilePrefetch.h"

wxIMPLEMENT_APP_NO_MAIN(CAppApp);

// The toolkit converts the arguments to text, warns about any that is not
// valid UTF-8 (such as a Latin-1 file name) and drops it. The program reads
// its command line from the system's bytes kept here, so the toolkit only
// gets the arguments it can take.
int main(int argc, char** argv)
{
    CAppApp::rawArguments = ProgramArguments(argc, argv);
    // --help and --version answer before the toolkit looks for a display.
    const auto& args = CAppApp::rawArguments;
    const std::vector<std::string> afterProgram(args.begin() + (args.empty() ? 0 : 1), args.end());
    const InfoRequest info = FindInfoRequest(afterProgram);
    if (info != InfoRequest::None) return WriteInfo(info, stdout) ? 0 : 1;
    // The file to open is read while the toolkit starts.
    {
        std::uint32_t flags = 0;
        std::int32_t width = 0;
        CAppCommandLineInfo line(flags, width);
        ParseCommandLine(line, afterProgram);
        if (line.shellCommand == ShellCommand::FileOpen) {
            std::string path = line.fileName;
            std::ignore = CanonicalPath(line.fileName, &path);
            StartFilePrefetch(path);
        }
    }
#ifdef __WXMSW__
    // Windows hands the toolkit its own UTF-16 command line.
    return wxEntry(::GetModuleHandleW(nullptr), nullptr, nullptr, SW_SHOWNORMAL);
#else
    // The program draws without OpenGL, and the toolkit would otherwise load
    // the system's GL drivers while it starts: a tenth of a second and some
    // megabytes of private memory. A user's own setting stays.
    ::setenv("GDK_GL", "disable", 0);
    std::vector<char*> valid;
    for (int i = 0; i < argc; ++i)
        if (i == 0 || Utf8ForDisplay(argv[i]) == argv[i]) valid.push_back(argv[i]);
    int validCount = static_cast<int>(valid.size());
    valid.push_back(nullptr);
    return wxEntry(validCount, valid.data());
#endif
}
