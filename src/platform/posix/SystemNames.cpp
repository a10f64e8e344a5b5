#include "platform/SystemNames.h"

const char kProgramFileName[] = "tabulon";
const char kWrongProgram[] = "The program must be tabulon!";
const char kProgramFileFilter[] = "Application|tabulon;Tabulon|All Files|*";
const char kFolderSeparator[] = "/";

std::size_t FileNameOffset(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? 0 : slash + 1;
}
