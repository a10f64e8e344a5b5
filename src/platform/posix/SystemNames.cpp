#include "platform/SystemNames.h"

const char kProgramFileName[] = "tabulon";
const char kWrongProgram[] = "The program must be tabulon!";
const char kProgramFileFilter[] = "Application|tabulon;Tabulon|All Files|*";
const char kFolderSeparator[] = "/";

const char* ProgramPathRefusal(const std::string& path)
{
    // A desktop entry writes "%" as "%%", but GIO looks for the program
    // before it undoes that, so such a launcher or verb never starts.
    if (path.find('%') != std::string::npos)
        return "The program path must not contain \"%\".  Move the program and Try Again.";
    return nullptr;
}

std::size_t FileNameOffset(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? 0 : slash + 1;
}
