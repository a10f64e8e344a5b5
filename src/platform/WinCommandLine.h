#pragma once
#include <string>
#include <vector>

// Command lines as Windows programs split them (CommandLineToArgvW and the
// C runtime): blanks separate arguments; double quotation marks group them;
// backslashes are plain characters except right before a quotation mark,
// where each pair gives one backslash and an odd one makes the mark a
// plain character. The program's name, the first argument, knows no
// backslash escapes.

// One argument quoted so that the rules above give it back whole.
std::string QuoteWindowsArgument(const std::string& argument);
// The arguments of a command line. A quotation left open runs to the end;
// the answer is then false.
bool SplitWindowsCommandLine(const std::string& command, std::vector<std::string>* arguments);
