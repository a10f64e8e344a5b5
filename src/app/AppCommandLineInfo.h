#pragma once
#include <cstdint>
#include <string>
#include <vector>

// What the command line asks the program to do with its first document.
enum class ShellCommand { FileNew, FileOpen };

// The command line's switches and file name. The switches go into the
// application's pending open request (flags 1 DOS, 2 UNIX, 4 source mode,
// 8 hex display, and a binary record width), which the first document uses.
class CAppCommandLineInfo {
public:
    CAppCommandLineInfo(std::uint32_t& pendingFlags, std::int32_t& pendingWidth);

    // One argument, in order; a switch comes without its leading "-" or "/".
    void ParseParam(const std::string& param, bool isSwitch, bool isLast);

    std::string fileName;
    ShellCommand shellCommand = ShellCommand::FileNew;
    // The previous argument was the "w" switch: the next plain one is a width.
    bool expectWidth = false;

private:
    std::uint32_t& pendingFlags_;
    std::int32_t& pendingWidth_;
};

// Tells a switch from a plain argument. "-" starts a switch; "/" does only
// when exactly one letter follows, so that "/home/me/data.txt" stays a path.
// Answers whether `arg` is a switch and gives its text without the prefix.
bool IsCommandLineSwitch(const std::string& arg, std::string* switchText);

// Feeds every argument (without the program name) to ParseParam, marking the
// last one.
void ParseCommandLine(CAppCommandLineInfo& info, const std::vector<std::string>& args);

// The decimal value of a width argument: leading blanks, an optional sign and
// the digits that follow; no digits give 0. Values beyond the 32-bit range
// are capped, and a negative width, which names no record size, gives 0.
std::int32_t ParseWidthArgument(const std::string& text);
