#include <gtest/gtest.h>

#include "platform/WinCommandLine.h"

namespace {

using Args = std::vector<std::string>;

Args Split(const std::string& line, bool* closed = nullptr)
{
    Args arguments;
    const bool ok = SplitWindowsCommandLine(line, &arguments);
    if (closed) *closed = ok;
    return arguments;
}

TEST(WinCommandLine, SplitsAsWindowsProgramsDo)
{
    // The documented examples of the C runtime, after a program name.
    EXPECT_EQ((Args{"p", "a\\\\\\b", "de fg", "h"}), Split("p a\\\\\\b d\"e f\"g h"));
    EXPECT_EQ((Args{"p", "a\\\"b", "c", "d"}), Split("p a\\\\\\\"b c d"));
    EXPECT_EQ((Args{"p", "a\\\\b c", "d", "e"}), Split("p a\\\\\\\\\"b c\" d e"));
    // The program's name knows no escapes; a quoted one may hold blanks.
    EXPECT_EQ((Args{"C:\\Program Files\\Tabulon.exe", "-d", "%1"}),
              Split("  \"C:\\Program Files\\Tabulon.exe\" -d \"%1\""));
    EXPECT_EQ((Args{"C:\\dir\\", "x"}), Split("C:\\dir\\ x"));
    bool closed = true;
    EXPECT_EQ((Args{"p", "open end"}), Split("p \"open end", &closed));
    EXPECT_FALSE(closed);
    EXPECT_EQ(Args{}, Split("   "));
}

TEST(WinCommandLine, QuotedArgumentsComeBackWhole)
{
    const Args arguments = {"C:\\Program Files\\my-data\\Tabulon.exe", "", "a b", "say \"hi\"", "C:\\dir\\",
                            "two\\\\\"", "%1"};
    std::string line;
    for (const auto& argument : arguments) {
        if (!line.empty()) line += ' ';
        line += QuoteWindowsArgument(argument);
    }
    bool closed = false;
    EXPECT_EQ(arguments, Split(line, &closed));
    EXPECT_TRUE(closed);
}

}  // namespace
