#include <gtest/gtest.h>

#include "platform/CanonicalPath.h"
#include "platform/FileHandle.h"
#include "platform/FileStatus.h"
#include "platform/win/WideText.h"
#include "records/OpenMode.h"
#include "records/RecordTestHelpers.h"
#include "support/TempDir.h"
#include "support/TestPlatform.h"

#include <windows.h>

namespace {

std::vector<std::string> Loaded(const std::string& path)
{
    CRecordList list;
    EXPECT_EQ(0, list.Load(path, kRequestAuto, 0)) << path;
    return Records(list);
}

// Changes the file's one record and saves it with its backup.
void EditAndSave(const std::string& path, const std::string& newText)
{
    CRecordList list;
    ASSERT_EQ(0, list.Load(path, kRequestAuto, 0));
    ASSERT_TRUE(list.Splice(list.head, 0, list.head->length, U(newText), static_cast<int>(newText.size())));
    ASSERT_EQ(0, list.Save(false, path, kModeDos));
}

TEST(WinFiles, NamesBeyondTheCodePageAndBeyondTheClassicLengthOpenAndSave)
{
    TempDir dir;
    const std::string longFolder = dir.File(std::string(120, 'd') + "\\" + std::string(120, 'e'));
    ASSERT_TRUE(::CreateDirectoryW(WidePath(dir.File(std::string(120, 'd'))).c_str(), nullptr));
    ASSERT_TRUE(::CreateDirectoryW(WidePath(longFolder).c_str(), nullptr));
    const std::string paths[] = {
        dir.File("\xCE\xA9 \xE6\x96\x87\xE4\xBB\xB6 \xF0\x9F\x98\x80.txt"),  // Omega, two CJK, an emoji
        longFolder + "\\" + std::string(100, 'f') + ".txt",                    // over 260 characters
    };
    for (const std::string& path : paths) {
        ASSERT_EQ(0, ListOf({"old"})->Save(false, path, kModeDos)) << path;
        EditAndSave(path, "new");
        EXPECT_EQ(std::vector<std::string>{"new"}, Loaded(path));
        EXPECT_EQ(std::vector<std::string>{"old"}, Loaded(path + ".bak"));
        EXPECT_TRUE(IsRegularFile(path));
        std::string canonical;
        ASSERT_TRUE(CanonicalPath(path, &canonical));
        EXPECT_EQ(path.substr(path.size() - 20), canonical.substr(canonical.size() - 20));
        FileStatus status;
        EXPECT_TRUE(ReadFileStatus(path, &status));
        EXPECT_EQ(5, status.size);
        EXPECT_GT(status.modifyTime, 1600000000);  // after 2020
    }
}

TEST(WinFiles, AFileWithAnotherHardLinkIsRewrittenInPlaceAndAReadOnlyOneIsRefused)
{
    TempDir dir;
    const std::string path = dir.File("doc.txt");
    const std::string other = dir.File("other name.txt");
    WriteFileBytes(path, "old\r\n");
    ASSERT_TRUE(::CreateHardLinkW(WidePath(other).c_str(), WidePath(path).c_str(), nullptr));
    EditAndSave(path, "new");
    EXPECT_EQ("new\r\n", ReadFileBytes(other));  // both names see the new bytes
    EXPECT_EQ("old\r\n", ReadFileBytes(path + ".bak"));
    EditAndSave(path, "newer");
    EXPECT_EQ("newer\r\n", ReadFileBytes(other));
    EXPECT_EQ("new\r\n", ReadFileBytes(path + ".bak"));

    const std::string locked = dir.File("locked.txt");
    WriteFileBytes(locked, "keep\r\n");
    ASSERT_TRUE(::SetFileAttributesW(WidePath(locked).c_str(), FILE_ATTRIBUTE_READONLY));
    TestPlatform platform;
    auto list = ListOf({"lost"});
    EXPECT_FALSE(list->SaveWithMessage(locked, kModeDos));
    EXPECT_EQ("keep\r\n", ReadFileBytes(locked));
    EXPECT_FALSE(FileExists(locked + ".bak"));
    ::SetFileAttributesW(WidePath(locked).c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ((std::vector<std::string>{"doc.txt", "doc.txt.bak", "locked.txt", "other name.txt"}),
              FolderEntries(dir.Path()));
}

}  // namespace
