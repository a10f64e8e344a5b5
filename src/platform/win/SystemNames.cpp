#include "platform/SystemNames.h"

const char kProgramFileName[] = "Tabulon.exe";
const char kWrongProgram[] = "The program must be Tabulon.exe!";
const char kProgramFileFilter[] = "Application|*.exe";
const char kFolderSeparator[] = "\\";

std::size_t FileNameOffset(const std::string& path)
{
    // A drive's letter and colon also end the folder part ("C:name").
    const std::size_t end = path.find_last_of("\\/:");
    return end == std::string::npos ? 0 : end + 1;
}
