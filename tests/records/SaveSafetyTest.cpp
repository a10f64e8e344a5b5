#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include "records/OpenMode.h"
#include "records/RecordTestHelpers.h"
#include "support/ChildProcess.h"
#include "support/TempDir.h"
#include "support/TestPlatform.h"

namespace {

struct stat StatOf(const std::string& path)
{
    struct stat info {};
    ::stat(path.c_str(), &info);
    return info;
}

// Collects the checks of a child process: the first failure is its answer.
class Checks {
public:
    void Expect(bool ok, const std::string& what)
    {
        if (!ok && failure_.empty()) failure_ = what;
    }
    void ExpectBytes(const std::string& path, const std::string& bytes)
    {
        Expect(ReadFileBytes(path) == bytes, path + " holds \"" + ReadFileBytes(path) + "\", not \"" + bytes + "\"");
    }
    const std::string& Result() const { return failure_; }

private:
    std::string failure_;
};

TEST(SaveSafety, SavingUnderTheAutosaveCopysOwnNameKeepsTheFileJustWritten)
{
    TempDir dir;
    const std::string path = dir.File("doc.txt");
    WriteFileBytes(path, "x\r\n");
    CRecordList list;
    EXPECT_EQ(0, list.Load(path, kRequestAuto, 0));
    ASSERT_TRUE(list.SaveRecoveryCopy());
    EXPECT_EQ(0, list.Save(false, path + ".tbsav", kModeDos));
    EXPECT_EQ("x\r\n", ReadFileBytes(path + ".tbsav"));
    EXPECT_FALSE(list.recoveryCopyWritten);

    // Untitled: the copy is Untitled.tbsav in the current folder, reached by
    // another spelling of its name.
    char* here = ::getcwd(nullptr, 0);
    ASSERT_EQ(0, ::chdir(dir.Path().c_str()));
    auto untitled = ListOf({"u"});
    ASSERT_TRUE(untitled->SaveRecoveryCopy());
    const int saved = untitled->Save(false, dir.Path() + "/./Untitled.tbsav", kModeUnix);
    ASSERT_EQ(0, ::chdir(here));
    std::free(here);
    EXPECT_EQ(0, saved);
    EXPECT_EQ("u\n", ReadFileBytes(dir.File("Untitled.tbsav")));
}

TEST(SaveSafety, AFileWithOtherHardLinksIsRewrittenInPlaceUnderEveryName)
{
    TempDir dir;
    const std::string path = dir.File("doc.txt");
    const std::string other = dir.File("other name");
    WriteFileBytes(path, "v1\n");
    ::chmod(path.c_str(), 0640);
    ASSERT_EQ(0, ::link(path.c_str(), other.c_str()));
    // A backup left sharing the file by an older save must not be written
    // through, nor counted as another name.
    ASSERT_EQ(0, ::link(path.c_str(), (path + ".bak").c_str()));
    const ino_t inode = StatOf(path).st_ino;

    auto list = ListOf({"v2", "longer than before"});
    ASSERT_EQ(0, list->Save(false, path, kModeUnix));
    EXPECT_EQ("v2\nlonger than before\n", ReadFileBytes(path));
    EXPECT_EQ("v2\nlonger than before\n", ReadFileBytes(other));
    EXPECT_EQ(inode, StatOf(path).st_ino);
    EXPECT_EQ(0640u, StatOf(path).st_mode & 07777);
    EXPECT_EQ("v1\n", ReadFileBytes(path + ".bak"));
    EXPECT_NE(inode, StatOf(path + ".bak").st_ino);

    // Shorter again: the file is cut to the new length.
    auto shorter = ListOf({"v3"});
    ASSERT_EQ(0, shorter->Save(false, other, kModeUnix));
    EXPECT_EQ("v3\n", ReadFileBytes(path));
    EXPECT_EQ("v2\nlonger than before\n", ReadFileBytes(other + ".bak"));

    // With only our own backup as a second name, a save replaces the file.
    ASSERT_EQ(0, ::unlink(other.c_str()));
    ASSERT_EQ(0, ::unlink((path + ".bak").c_str()));
    ASSERT_EQ(0, ::link(path.c_str(), (path + ".bak").c_str()));
    ASSERT_EQ(0, list->Save(false, path, kModeUnix));
    EXPECT_NE(inode, StatOf(path).st_ino);
    EXPECT_EQ("v3\n", ReadFileBytes(path + ".bak"));
}

TEST(SaveSafety, AUserSavesAWritableFileInAFolderTheyCannotWriteTo)
{
    TempDir dir;
    ::chmod(dir.Path().c_str(), 0755);
    const std::string folder = dir.File("locked");
    ::mkdir(folder.c_str(), 0755);
    const std::string path = folder + "/doc.txt";
    WriteFileBytes(path, "old\n");
    ::chmod(path.c_str(), 0666);
    ::chmod(folder.c_str(), 0555);
    const ino_t inode = StatOf(path).st_ino;

    EXPECT_EQ("", RunAsUnprivilegedUser([&] {
        Checks check;
        TestPlatform platform;
        auto list = ListOf({"new", "text"});
        check.Expect(list->SaveWithMessage(path, kModeDos), "the save failed");
        check.ExpectBytes(path, "new\r\ntext\r\n");
        check.Expect(StatOf(path).st_ino == inode, "the file was replaced");
        check.Expect(!FileExists(path + ".bak"), "a backup appeared in a locked folder");
        check.Expect(platform.messageBox.boxes.empty(), "a message was shown");
        // A file that does not exist yet cannot be made there.
        check.Expect(list->Save(false, folder + "/new.txt", kModeDos) == 1, "a new file was made");
        return check.Result();
    }));
}

TEST(SaveSafety, AFileOfAnotherOwnerKeepsItsOwnerAndGroup)
{
    // Needs two users: a file owned by root, saved by nobody.
    ASSERT_EQ(0u, ::geteuid()) << "run as root to check a save of another user's file";
    TempDir dir;
    ::chmod(dir.Path().c_str(), 0777);
    const std::string path = dir.File("shared.txt");
    WriteFileBytes(path, "root's\n");
    ::chmod(path.c_str(), 0666);

    EXPECT_EQ("", RunAsUnprivilegedUser([&] {
        Checks check;
        auto list = ListOf({"edited"});
        check.Expect(list->Save(false, path, kModeUnix) == 0, "the save failed");
        check.ExpectBytes(path, "edited\n");
        check.Expect(StatOf(path).st_uid == 0 && StatOf(path).st_gid == 0, "the file changed owner");
        check.ExpectBytes(path + ".bak", "root's\n");
        return check.Result();
    }));
}

TEST(SaveSafety, AFullDiskRefusesTheSaveBeforeAnyByteChanges)
{
    TempDir dir;
    const std::string disk = dir.File("disk");
    ::mkdir(disk.c_str(), 0755);
    EXPECT_EQ("", RunOnSmallDisk(disk, 1024 * 1024, [&] {
        Checks check;
        TestPlatform platform;
        const std::string path = disk + "/doc.txt";
        const std::string linked = disk + "/linked.txt";
        WriteFileBytes(path, "one\r\ntwo\r\n");
        WriteFileBytes(path + ".bak", "older backup");
        WriteFileBytes(linked, "shared\n");
        ::link(linked.c_str(), (disk + "/second name").c_str());
        WriteFileBytes(linked + ".bak", "older shared");

        CRecordList list;
        check.Expect(list.Load(path, kRequestAuto, 4) == 0, "the file did not load");  // binary records of 4 bytes
        const std::string big(60000, 'b');
        for (int i = 0; i < 8; ++i) check.Expect(list.NewRecord(nullptr, U(big), 60000) != nullptr, "out of memory");
        check.Expect(FillDisk(disk), "the disk did not fill up");

        // Replacing: the temporary file cannot be written.
        check.Expect(!list.SaveWithMessage(path, kModeUnix), "the save succeeded on a full disk");
        check.ExpectBytes(path, "one\r\ntwo\r\n");
        check.ExpectBytes(path + ".bak", "older backup");
        check.Expect(list.file.mode == kModeBinary && list.file.recordWidth == 4, "the document took the new form");
        check.Expect(platform.messageBox.boxes.size() == 1 && platform.messageBox.boxes[0].text == "Cannot save file.",
                     "no \"Cannot save file.\" message");
        // In place: the reservation fails before the file changes.
        check.Expect(list.Save(false, linked, kModeUnix) == 1, "the in-place save succeeded on a full disk");
        check.ExpectBytes(linked, "shared\n");
        check.ExpectBytes(disk + "/second name", "shared\n");
        check.ExpectBytes(linked + ".bak", "older shared");

        // With room again, both saves go through.
        ::unlink((disk + "/filler").c_str());
        check.Expect(list.Save(false, linked, kModeUnix) == 0, "the in-place save failed with room");
        check.Expect(ReadFileBytes(disk + "/second name").size() == 10 + 8 * 60000 + 11, "the other name lacks the bytes");
        check.ExpectBytes(linked + ".bak", "shared\n");
        return check.Result();
    }));
}

}  // namespace
