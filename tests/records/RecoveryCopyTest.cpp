#include <gtest/gtest.h>

#include <filesystem>

#include "records/OpenMode.h"
#include "records/RecordTestHelpers.h"
#include "support/TempDir.h"
#include "support/TestPlatform.h"

namespace {

std::unique_ptr<CRecordList> LoadedFrom(const std::string& path, const std::string& bytes)
{
    WriteFileBytes(path, bytes);
    auto list = std::make_unique<CRecordList>();
    EXPECT_EQ(0, list->Load(path, kRequestAuto, 0));
    return list;
}

TEST(RecoveryCopy, IsWrittenBesideTheFileInItsModeWithoutTouchingTheBackupOrName)
{
    TempDir dir;
    const std::string path = dir.File("doc.txt");
    auto list = LoadedFrom(path, "a\nb\n");
    EXPECT_TRUE(list->Splice(list->head, 1, 0, U("!"), 1));
    EXPECT_TRUE(list->SaveRecoveryCopy());
    EXPECT_TRUE(list->recoveryCopyWritten);
    EXPECT_EQ(path + ".tbsav", list->RecoveryCopyName());
    EXPECT_EQ("a!\nb\n", ReadFileBytes(path + ".tbsav"));
    EXPECT_EQ("a\nb\n", ReadFileBytes(path));
    EXPECT_FALSE(FileExists(path + ".bak"));
    EXPECT_EQ(path, list->fileName);
    EXPECT_EQ(kModeUnix, list->file.mode);
    EXPECT_TRUE(list->SaveRecoveryCopy());  // overwrites the previous copy
    EXPECT_FALSE(FileExists(path + ".bak"));
}

TEST(RecoveryCopy, AnUntitledDocumentUsesUntitledTbsavInTheCurrentFolder)
{
    TempDir dir;
    InFolder here(dir.Path());
    {
        auto list = ListOf({"draft"});
        EXPECT_TRUE(list->SaveRecoveryCopy());
        EXPECT_EQ("draft\r\n", ReadFileBytes(dir.File("Untitled.tbsav")));
        EXPECT_EQ("", list->fileName);
    }
    EXPECT_FALSE(FileExists(dir.File("Untitled.tbsav")));  // gone with the list
}

TEST(RecoveryCopy, ARealSaveDeletesTheCopyOfTheOldName)
{
    TempDir dir;
    const std::string path = dir.File("doc.txt");
    auto list = LoadedFrom(path, "x\r\n");
    EXPECT_TRUE(list->SaveRecoveryCopy());
    ASSERT_TRUE(FileExists(path + ".tbsav"));
    EXPECT_EQ(0, list->Save(false, dir.File("renamed.txt"), kModeDos));
    EXPECT_FALSE(FileExists(path + ".tbsav"));
    EXPECT_FALSE(list->recoveryCopyWritten);

    EXPECT_TRUE(list->SaveRecoveryCopy());
    EXPECT_TRUE(FileExists(dir.File("renamed.txt.tbsav")));
    EXPECT_EQ(0, list->Save(false, dir.File("renamed.txt"), kModeDos));
    EXPECT_FALSE(FileExists(dir.File("renamed.txt.tbsav")));
}

TEST(RecoveryCopy, DestroyingTheListDeletesItsCopyButNotOtherFiles)
{
    TempDir dir;
    const std::string path = dir.File("doc.txt");
    {
        auto list = LoadedFrom(path, "x\r\n");
        EXPECT_TRUE(list->SaveRecoveryCopy());
        ASSERT_TRUE(FileExists(path + ".tbsav"));
    }
    EXPECT_FALSE(FileExists(path + ".tbsav"));
    EXPECT_TRUE(FileExists(path));

    // A list that never wrote a copy leaves a stray one alone.
    WriteFileBytes(path + ".tbsav", "from an earlier run");
    { auto list = LoadedFrom(path, "x\r\n"); }
    EXPECT_TRUE(FileExists(path + ".tbsav"));
}

TEST(RecoveryCopy, AFailedCopyAnswersFalseAndKeepsTheFlag)
{
    TempDir dir;
    auto list = ListOf({"x"});
    list->fileName = dir.File("gone/doc.txt");
    EXPECT_FALSE(list->SaveRecoveryCopy());
    EXPECT_FALSE(list->recoveryCopyWritten);
}

}  // namespace
