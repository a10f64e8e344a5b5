#include "platform/SystemNames.h"

const char kProgramFileName[] = "Tabulon.exe";
const char kWrongProgram[] = "The program must be Tabulon.exe!";
const char kProgramFileFilter[] = "Application|*.exe";
const char kFolderSeparator[] = "\\";

// No path is refused here; the shell's links and verbs keep their own rules.
const char* ProgramPathRefusal(const std::string&) { return nullptr; }

std::size_t FileNameOffset(const std::string& path)
{
    // A drive's letter and colon also end the folder part ("C:name").
    const std::size_t end = path.find_last_of("\\/:");
    return end == std::string::npos ? 0 : end + 1;
}
