#include <string>
#include <vector>
#include <wx/app.h>

#include "app/ProgramInfo.h"
#include "app/wx/AppApp.h"
#include "platform/DisplayText.h"

wxIMPLEMENT_APP_NO_MAIN(CAppApp);

// The toolkit converts the arguments to text, warns about any that is not
// valid UTF-8 (such as a Latin-1 file name) and drops it. The program reads
// its command line from the bytes kept here, so the toolkit only gets the
// arguments it can take.
int main(int argc, char** argv)
{
    // --help and --version answer before the toolkit looks for a display.
    const InfoRequest info = FindInfoRequest(std::vector<std::string>(argv + (argc > 0 ? 1 : 0), argv + argc));
    if (info != InfoRequest::None) return WriteInfo(info, stdout) ? 0 : 1;

    CAppApp::rawArguments.assign(argv, argv + argc);
    std::vector<char*> valid;
    for (int i = 0; i < argc; ++i)
        if (i == 0 || Utf8ForDisplay(argv[i]) == argv[i]) valid.push_back(argv[i]);
    int validCount = static_cast<int>(valid.size());
    valid.push_back(nullptr);
    return wxEntry(validCount, valid.data());
}
