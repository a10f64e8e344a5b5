#include "platform/VerbCommandSyntax.h"

#include "platform/DesktopEntry.h"

// The Exec form of desktop entries.
std::string QuoteVerbProgram(const std::string& programPath) { return QuoteExecArgument(programPath); }

const char kVerbFileArgument[] = "%f";

bool SplitVerbCommand(const std::string& command, std::vector<std::string>* arguments)
{
    return SplitExecLine(command, arguments);
}
