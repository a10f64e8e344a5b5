#include <gtest/gtest.h>

#include "options/VerbCommandLine.h"

namespace {

TEST(WinVerbCommand, IsTheShellsCommandLineAndReadsBackFromTheArgumentsAfterTheProgram)
{
    FileTypeEntry entry;
    entry.hex = true;
    entry.width = 128;
    EXPECT_EQ("\"C:\\Program Files\\my-data\\Tabulon.exe\" -h -w 128 \"%1\"",
              BuildVerbCommand("C:\\Program Files\\my-data\\Tabulon.exe", entry));

    FileTypeEntry read;
    ReadVerbCommand("\"C:\\Program Files\\my-data\\Tabulon.exe\" -h -w 128 \"%1\"", &read);
    EXPECT_TRUE(read.hex);
    EXPECT_EQ("BINARY-128", VerbModeText(read));
    ReadVerbCommand("C:\\x-h\\-s\\Tabulon.exe -d -w 80 \"%1\"", &read);  // as the original wrote it
    EXPECT_FALSE(read.hex);
    EXPECT_FALSE(read.source);
    EXPECT_EQ("DOS", VerbModeText(read));
    ReadVerbCommand("\"C:\\T\\Tabulon.exe -u \"%1\"", &read);  // an open quotation
    EXPECT_EQ("AUTO", VerbModeText(read));
}

}  // namespace
