#include <gtest/gtest.h>

#include <filesystem>

#include "records/OpenMode.h"
#include "records/RecordMessages.h"
#include "records/RecordTestHelpers.h"
#include "support/TempDir.h"
#include "support/TestPlatform.h"

namespace {

TEST(Save, WritesEachFormWithATerminatorAfterEveryRecord)
{
    TempDir dir;
    auto list = ListOf({"a", "", "b\tc"});
    const std::string path = dir.File("out");
    EXPECT_EQ(0, list->Save(false, path, kModeDos));
    EXPECT_EQ("a\r\n\r\nb\tc\r\n", ReadFileBytes(path));
    EXPECT_EQ(0, list->Save(false, path, kModeUnix));
    EXPECT_EQ("a\n\nb\tc\n", ReadFileBytes(path));
    EXPECT_EQ(0, list->Save(false, path, kModeBinary));
    EXPECT_EQ("ab\tc", ReadFileBytes(path));
    EXPECT_EQ(0, list->Save(false, path, 3));  // both bits: DOS
    EXPECT_EQ("a\r\n\r\nb\tc\r\n", ReadFileBytes(path));
}

TEST(Save, ADosDocumentEndingInAnEmptyRecordEndsWithTwoLineBreaks)
{
    TempDir dir;
    auto list = ListOf({"x", ""});
    EXPECT_EQ(0, list->Save(false, dir.File("out"), kModeDos));
    EXPECT_EQ("x\r\n\r\n", ReadFileBytes(dir.File("out")));
}

TEST(Save, RecordsTheModeTheNameAndTheStatusOfTheSavedFile)
{
    TempDir dir;
    const std::string source = dir.File("in.txt");
    WriteFileBytes(source, "one\r\ntwo\r\n");
    CRecordList list;
    EXPECT_EQ(0, list.Load(source, kRequestAuto, 4));  // binary, width 4
    EXPECT_EQ(4, list.file.recordWidth);
    const std::string target = dir.File("out.txt");
    EXPECT_EQ(0, list.Save(false, target, kModeUnix));
    EXPECT_EQ(kModeUnix, list.file.mode);
    EXPECT_EQ(0, list.file.recordWidth);
    EXPECT_EQ(target, list.fileName);
    EXPECT_EQ(static_cast<std::int64_t>(ReadFileBytes(target).size()), list.file.status.size);
    EXPECT_GT(list.file.status.modifyTime, 0);
}

TEST(Save, TheBackupHoldsThePreviousContents)
{
    TempDir dir;
    const std::string path = dir.File("doc.txt");
    auto list = ListOf({"first"});
    EXPECT_EQ(0, list->Save(false, path, kModeUnix));
    EXPECT_FALSE(FileExists(path + ".bak"));  // nothing to back up yet
    EXPECT_TRUE(list->Splice(list->head, 0, 5, U("second"), 6));
    EXPECT_EQ(0, list->Save(false, path, kModeUnix));
    EXPECT_EQ("first\n", ReadFileBytes(path + ".bak"));
    EXPECT_TRUE(list->Splice(list->head, 0, 6, U("third"), 5));
    EXPECT_EQ(0, list->Save(false, path, kModeUnix));
    EXPECT_EQ("second\n", ReadFileBytes(path + ".bak"));
    EXPECT_EQ("third\n", ReadFileBytes(path));
    EXPECT_EQ((std::vector<std::string>{"doc.txt", "doc.txt.bak"}), FolderEntries(dir.Path()));
}

TEST(Save, AnUntitledDocumentSavedToANewPathMakesNoBackupAndTakesTheName)
{
    TempDir dir;
    auto list = ListOf({""});
    EXPECT_EQ("", list->fileName);
    EXPECT_TRUE(list->SaveWithMessage(dir.File("new.txt"), kModeDos));
    EXPECT_EQ(dir.File("new.txt"), list->fileName);
    EXPECT_EQ((std::vector<std::string>{"new.txt"}), FolderEntries(dir.Path()));
}

TEST(Save, ExpandsTabsOnlyInSourceModeWithTheSetting)
{
    TempDir dir;
    const std::string path = dir.File("src.txt");
    auto list = ListOf({"\tab\tc", "x\t"});

    SourceOptions options = SourceModeWith(4, true, false, true);
    EXPECT_EQ(0, list->Save(false, path, kModeUnix, options));
    EXPECT_EQ("    ab  c\nx   \n", ReadFileBytes(path));
    EXPECT_EQ("\tab\tc", Text(list->head));  // the records keep their tabs

    options.expandTabsOnSave = false;
    EXPECT_EQ(0, list->Save(false, path, kModeUnix, options));
    EXPECT_EQ("\tab\tc\nx\t\n", ReadFileBytes(path));

    options.expandTabsOnSave = true;
    options.sourceMode = false;
    EXPECT_EQ(0, list->Save(false, path, kModeUnix, options));
    EXPECT_EQ("\tab\tc\nx\t\n", ReadFileBytes(path));
}

TEST(Save, AFullRecordWithTabExpansionShowsTheSizeLimitMessage)
{
    TempDir dir;
    TestPlatform platform;
    const std::string full = std::string(65534, 'a') + "\t";
    auto list = ListOf({"\t", std::string(100, 'b'), "x"});
    ASSERT_NE(nullptr, list->NewRecord(list->tail, U(full), 65535));  // only a divided line is this long
    EXPECT_EQ(0, list->Save(false, dir.File("out"), kModeUnix, SourceModeWith(4, true, false, true)));
    ASSERT_EQ(1u, platform.messageBox.boxes.size());
    EXPECT_EQ("Size limit reached on record #3.\nRecord will be truncated.", platform.messageBox.boxes[0].text);
    EXPECT_EQ("Line too Long", platform.messageBox.boxes[0].caption);
    EXPECT_EQ(MbIcon::Stop, platform.messageBox.boxes[0].icon);
    EXPECT_EQ("    \n" + std::string(100, 'b') + "\n" + full + "\nx\n", ReadFileBytes(dir.File("out")));
}

TEST(Save, AFailedSaveKeepsTheOldFileAndTellsTheUser)
{
    TempDir dir;
    TestPlatform platform;
    auto list = ListOf({"new"});
    list->fileName = dir.File("doc.txt");
    list->file.mode = kModeUnix;
    EXPECT_FALSE(list->SaveWithMessage(dir.File("no such folder/doc.txt"), kModeDos));
    ASSERT_EQ(1u, platform.messageBox.boxes.size());
    EXPECT_EQ("Cannot save file.", platform.messageBox.boxes[0].text);
    EXPECT_EQ("File Error", platform.messageBox.boxes[0].caption);
    EXPECT_EQ(MbIcon::Stop, platform.messageBox.boxes[0].icon);
    EXPECT_EQ(dir.File("doc.txt"), list->fileName);  // nothing was written
    EXPECT_EQ(kModeUnix, list->file.mode);
    // A folder in the way.
    std::filesystem::create_directory(dir.File("folder"));
    EXPECT_EQ(1, list->Save(false, dir.File("folder"), kModeDos));
}

}  // namespace
