#pragma once
#include <string>
#include <vector>

// How this system writes the command line of a verb on a file type: the
// program's path as one argument, then the switches, then the argument that
// stands for the file opened.

std::string QuoteVerbProgram(const std::string& programPath);
extern const char kVerbFileArgument[];
// The arguments of a verb's command line, program first; false when a
// quotation is left open.
bool SplitVerbCommand(const std::string& command, std::vector<std::string>* arguments);
