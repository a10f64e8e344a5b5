#include "platform/WinCommandLine.h"

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

}  // namespace

std::string QuoteWindowsArgument(const std::string& argument)
{
    std::string quoted = "\"";
    std::size_t backslashes = 0;
    for (const char c : argument) {
        if (c == '\\') {
            ++backslashes;
            continue;
        }
        // Backslashes before a quotation mark are doubled, and the mark
        // escaped; elsewhere they stay as they are.
        quoted.append(c == '"' ? backslashes * 2 + 1 : backslashes, '\\');
        backslashes = 0;
        quoted += c;
    }
    quoted.append(backslashes * 2, '\\');  // before the closing mark
    return quoted + "\"";
}

bool SplitWindowsCommandLine(const std::string& command, std::vector<std::string>* arguments)
{
    arguments->clear();
    bool closed = true;
    std::size_t i = 0;
    // The program's name: up to the closing mark, or to the first blank.
    while (i < command.size() && IsBlank(command[i])) ++i;
    if (i == command.size()) return true;
    std::string program;
    if (command[i] == '"') {
        const std::size_t close = command.find('"', i + 1);
        closed = close != std::string::npos;
        program = command.substr(i + 1, closed ? close - i - 1 : std::string::npos);
        i = closed ? close + 1 : command.size();
    }
    while (i < command.size() && !IsBlank(command[i])) program += command[i++];
    arguments->push_back(program);

    for (;;) {
        while (i < command.size() && IsBlank(command[i])) ++i;
        if (i == command.size()) break;
        std::string argument;
        bool quoted = false;
        while (i < command.size() && (quoted || !IsBlank(command[i]))) {
            std::size_t backslashes = 0;
            while (i < command.size() && command[i] == '\\') {
                ++backslashes;
                ++i;
            }
            if (i < command.size() && command[i] == '"') {
                argument.append(backslashes / 2, '\\');
                if (backslashes % 2) {
                    argument += '"';
                } else if (quoted && i + 1 < command.size() && command[i + 1] == '"') {
                    argument += '"';  // a doubled mark inside a quotation
                    ++i;
                } else {
                    quoted = !quoted;
                }
                ++i;
            } else {
                argument.append(backslashes, '\\');
                if (i < command.size() && (quoted || !IsBlank(command[i]))) argument += command[i++];
            }
        }
        arguments->push_back(argument);
        closed = closed && !quoted;
    }
    return closed;
}
