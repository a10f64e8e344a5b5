#include "platform/VerbCommandSyntax.h"

#include "platform/WinCommandLine.h"

// The shell's form: the program quoted (its path may hold blanks), the file
// as "%1".
std::string QuoteVerbProgram(const std::string& programPath) { return QuoteWindowsArgument(programPath); }

const char kVerbFileArgument[] = "\"%1\"";

bool SplitVerbCommand(const std::string& command, std::vector<std::string>* arguments)
{
    return SplitWindowsCommandLine(command, arguments);
}
