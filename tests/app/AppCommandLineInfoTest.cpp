#include <gtest/gtest.h>

#include "app/AppCommandLineInfo.h"

namespace {

struct Parsed {
    std::uint32_t flags = 0;
    std::int32_t width = 0;
    std::string fileName;
    ShellCommand command = ShellCommand::FileNew;
    bool expectWidth = false;
};

Parsed Parse(const std::vector<std::string>& args)
{
    Parsed p;
    CAppCommandLineInfo info(p.flags, p.width);
    ParseCommandLine(info, args);
    p.fileName = info.fileName;
    p.command = info.shellCommand;
    p.expectWidth = info.expectWidth;
    return p;
}

TEST(CommandLine, NoArgumentsAskForANewDocument)
{
    Parsed p = Parse({});
    EXPECT_EQ(0u, p.flags);
    EXPECT_EQ(0, p.width);
    EXPECT_EQ("", p.fileName);
    EXPECT_EQ(ShellCommand::FileNew, p.command);
}

TEST(CommandLine, ViewSwitchesWithoutFileGiveANewDocument)
{
    Parsed p = Parse({"-h", "-s"});
    EXPECT_EQ(8u | 4u, p.flags);
    EXPECT_EQ(ShellCommand::FileNew, p.command);
}

TEST(CommandLine, WidthSwitchTakesTheNextArgument)
{
    Parsed p = Parse({"-w", "80", "data.bin"});
    EXPECT_EQ(80, p.width);
    EXPECT_EQ(0u, p.flags);
    EXPECT_EQ("data.bin", p.fileName);
    EXPECT_EQ(ShellCommand::FileOpen, p.command);
    EXPECT_FALSE(p.expectWidth);
}

TEST(CommandLine, WidthSwitchAloneSetsNoWidth)
{
    Parsed p = Parse({"-w"});
    EXPECT_EQ(0, p.width);
    EXPECT_TRUE(p.expectWidth);
    EXPECT_EQ(ShellCommand::FileNew, p.command);
}

TEST(CommandLine, LastFileNameWins)
{
    Parsed p = Parse({"a.txt", "b.txt"});
    EXPECT_EQ("b.txt", p.fileName);
    EXPECT_EQ(ShellCommand::FileOpen, p.command);
}

TEST(CommandLine, DosAndUnixTogetherGiveModeThree)
{
    Parsed p = Parse({"-d", "-u", "f.txt"});
    EXPECT_EQ(3u, p.flags);
    EXPECT_EQ("f.txt", p.fileName);
}

TEST(CommandLine, SwitchesAreExactAndCaseSensitive)
{
    EXPECT_EQ(0u, Parse({"/H"}).flags);
    EXPECT_EQ(0u, Parse({"-H"}).flags);
    EXPECT_EQ(0u, Parse({"-hs"}).flags);
    EXPECT_EQ(0u, Parse({"-"}).flags);
    EXPECT_EQ(0u, Parse({"--h"}).flags);
    EXPECT_EQ(8u, Parse({"/h"}).flags);
    EXPECT_EQ(1u | 2u | 4u | 8u, Parse({"/d", "/u", "/s", "/h"}).flags);
    // An unknown switch is no file name either.
    EXPECT_EQ(ShellCommand::FileNew, Parse({"-x"}).command);
}

TEST(CommandLine, SlashPathsAreFileNames)
{
    Parsed p = Parse({"/home/me/data.txt"});
    EXPECT_EQ("/home/me/data.txt", p.fileName);
    EXPECT_EQ(ShellCommand::FileOpen, p.command);
    EXPECT_EQ(0u, p.flags);

    // A one-letter folder directly under the root, a digit and the root
    // itself are paths too; only "/" and one letter is a switch.
    EXPECT_EQ("/h/data.txt", Parse({"/h/data.txt"}).fileName);
    EXPECT_EQ("/hx", Parse({"/hx"}).fileName);
    EXPECT_EQ("/1", Parse({"/1"}).fileName);
    EXPECT_EQ("/", Parse({"/"}).fileName);

    p = Parse({"/h", "/w", "16", "/tmp/x.bin"});
    EXPECT_EQ(8u, p.flags);
    EXPECT_EQ(16, p.width);
    EXPECT_EQ("/tmp/x.bin", p.fileName);
}

TEST(CommandLine, WidthIsReadLikeAtoi)
{
    EXPECT_EQ(12, Parse({"-w", "12abc"}).width);
    EXPECT_EQ(7, Parse({"-w", "  +7"}).width);
    // No digits: width 0, and the argument is used up as the width.
    Parsed p = Parse({"-w", "abc"});
    EXPECT_EQ(0, p.width);
    EXPECT_EQ("", p.fileName);
    EXPECT_EQ(ShellCommand::FileNew, p.command);
    // A dash starts a switch, so the width comes from the next plain argument.
    p = Parse({"-w", "-5", "9", "f"});
    EXPECT_EQ(9, p.width);
    EXPECT_EQ("f", p.fileName);
    // Above 65535 is passed on (the loader asks about it), beyond 32 bits capped.
    EXPECT_EQ(70000, Parse({"-w", "70000"}).width);
    EXPECT_EQ(2147483647, Parse({"-w", "99999999999999999999"}).width);
    // A negative width names no record size.
    EXPECT_EQ(0, Parse({"-w", " -3"}).width);
}

TEST(CommandLine, ShellCommandFollowsTheFileNameAtTheLastArgument)
{
    Parsed p = Parse({"f.txt", "-h"});
    EXPECT_EQ(ShellCommand::FileOpen, p.command);
    EXPECT_EQ(8u, p.flags);
    p = Parse({"-w", "f.txt"});
    EXPECT_EQ(ShellCommand::FileNew, p.command);
}

TEST(CommandLine, ParseParamAddsToThePendingRequest)
{
    std::uint32_t flags = 8;
    std::int32_t width = 5;
    CAppCommandLineInfo info(flags, width);
    info.ParseParam("s", true, false);
    info.ParseParam("x.txt", false, true);
    EXPECT_EQ(12u, flags);
    EXPECT_EQ(5, width);
    EXPECT_EQ(ShellCommand::FileOpen, info.shellCommand);
}

}  // namespace
