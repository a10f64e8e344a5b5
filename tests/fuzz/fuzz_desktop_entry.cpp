// Desktop entries are written by other programs too: any text reads without
// harm, and what we write (escaped values, quoted Exec arguments) reads back
// as it was.
#include <string>
#include <vector>

#include "FuzzEntry.h"
#include "platform/DesktopEntry.h"

TABULON_FUZZ_ENTRY(desktop_entry)
{
    const std::string text(reinterpret_cast<const char*>(data), size);

    std::string exec;
    std::vector<std::string> arguments;
    if (ReadDesktopEntryKey(text, "Exec", &exec) && SplitExecLine(exec, &arguments)) {
        std::string line;
        for (const auto& argument : arguments) line += QuoteExecArgument(argument) + " ";
        std::vector<std::string> again;
        FUZZ_CHECK(SplitExecLine(line, &again) && again == arguments);
    }

    FUZZ_CHECK(UnescapeDesktopValue(EscapeDesktopValue(text)) == text);
    // The reader trims blanks at the end of a line, and a trailing space is
    // not escaped: such a value is not claimed to come back.
    if (text.empty() || text.back() != ' ') {
        std::string value;
        FUZZ_CHECK(ReadDesktopEntryKey(DesktopEntryText({{"Name", "x"}, {"Exec", text}}), "Exec", &value));
        FUZZ_CHECK(value == text);
    }
    return 0;
}
