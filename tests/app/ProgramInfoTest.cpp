#include <gtest/gtest.h>

#include <cstdio>
#include <regex>
#include <string>

#include "app/AppCommandLineInfo.h"
#include "app/ProgramInfo.h"

namespace {

std::string Written(InfoRequest request, bool* ok)
{
    std::FILE* file = std::tmpfile();
    if (!file) return "(no temporary file)";
    *ok = WriteInfo(request, file);
    std::rewind(file);
    std::string text;
    char buffer[256];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, file)) > 0;) text.append(buffer, n);
    std::fclose(file);
    return text;
}

TEST(ProgramInfo, OnlyTheTwoLongOptionsAreAnsweredTheFirstWinning)
{
    EXPECT_EQ(InfoRequest::None, FindInfoRequest({}));
    EXPECT_EQ(InfoRequest::None,
              FindInfoRequest({"-h", "-help", "/help", "--Help", "--help=1", "--versions", "-version", "a.txt"}));
    // Even where the parser would take a width or a file name.
    EXPECT_EQ(InfoRequest::Help, FindInfoRequest({"-w", "--help"}));
    EXPECT_EQ(InfoRequest::Version, FindInfoRequest({"a.txt", "--version", "--help"}));
    EXPECT_EQ(InfoRequest::Help, FindInfoRequest({"--help", "--version"}));

    // Every other long argument is still a switch that matches nothing.
    std::uint32_t flags = 0;
    std::int32_t width = 0;
    CAppCommandLineInfo info(flags, width);
    ParseCommandLine(info, {"--hex", "--", "a.txt", "--source"});
    EXPECT_EQ(0u, flags);
    EXPECT_EQ("a.txt", info.fileName);
}

TEST(ProgramInfo, AnswersAreWrittenWholeOrReportedAsFailed)
{
    bool ok = false;
    const std::string version = Written(InfoRequest::Version, &ok);
    EXPECT_TRUE(ok);
    EXPECT_EQ(std::string("tabulon ") + ProgramVersion() + "\n", version);
    EXPECT_TRUE(std::regex_match(version, std::regex("tabulon [0-9]+\\.[0-9]+(\\.[0-9]+)*\n"))) << version;

    ok = false;
    const std::string help = Written(InfoRequest::Help, &ok);
    EXPECT_TRUE(ok);
    EXPECT_EQ(0u, help.rfind("Usage: tabulon [-s] [-h] [-d | -u] [-w WIDTH] [FILE]\n", 0)) << help;
    for (const char* option : {"  -s ", "  -h ", "  -d ", "  -u ", "  -w WIDTH ", "  --help ", "  --version "})
        EXPECT_NE(std::string::npos, help.find(option)) << option;

    // A full disk shows only when the buffer is flushed; it must not pass.
    if (std::FILE* full = std::fopen("/dev/full", "w")) {
        EXPECT_FALSE(WriteInfo(InfoRequest::Help, full));
        std::fclose(full);
    } else {
        ADD_FAILURE() << "/dev/full is missing";
    }
}

}  // namespace
