// Any command line (arguments separated by NUL bytes) parses without harm:
// only the known flag bits are set, the width is never negative, and the
// command is Open exactly when a file name was kept.
#include <string>
#include <vector>

#include "FuzzEntry.h"
#include "app/AppCommandLineInfo.h"

TABULON_FUZZ_ENTRY(command_line)
{
    std::vector<std::string> args;
    std::string current;
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] == 0) {
            args.push_back(current);
            current.clear();
        } else {
            current += static_cast<char>(data[i]);
        }
    }
    if (size > 0) args.push_back(current);

    std::uint32_t flags = 0;
    std::int32_t width = 0;
    CAppCommandLineInfo info(flags, width);
    ParseCommandLine(info, args);
    FUZZ_CHECK((flags & ~0xFu) == 0);
    FUZZ_CHECK(width >= 0);
    if (!args.empty()) {
        FUZZ_CHECK((info.shellCommand == ShellCommand::FileOpen) == !info.fileName.empty());
    }
    // The file name is one of the arguments as given.
    if (!info.fileName.empty()) {
        bool found = false;
        for (const auto& a : args) found = found || a == info.fileName;
        FUZZ_CHECK(found);
    }
    return 0;
}
