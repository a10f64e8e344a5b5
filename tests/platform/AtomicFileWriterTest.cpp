#include <gtest/gtest.h>

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/BackupCopy.h"
#include "platform/posix/AtomicFileWriter.h"
#include "support/TempDir.h"

namespace {

int EntryCount(const std::string& folder)
{
    int count = 0;
    if (DIR* d = ::opendir(folder.c_str())) {
        while (const dirent* e = ::readdir(d)) count += e->d_name[0] != '.';
        ::closedir(d);
    }
    return count;
}

struct stat StatOf(const std::string& path)
{
    struct stat info {};
    EXPECT_EQ(0, ::stat(path.c_str(), &info)) << path;
    return info;
}

TEST(AtomicFileWriter, TheTargetChangesOnlyOnCommit)
{
    TempDir dir;
    const std::string path = dir.File("f");
    WriteFileBytes(path, "old");
    CAtomicFileWriter writer;
    ASSERT_EQ(CAtomicFileWriter::Outcome::Ready, writer.Begin(path));
    const std::string big(3 << 20, 'n');  // more than the write buffer
    EXPECT_TRUE(writer.Write(big.data(), big.size()));
    EXPECT_EQ("old", ReadFileBytes(path));
    EXPECT_EQ(2, EntryCount(dir.Path()));  // the file and the temporary one
    EXPECT_TRUE(writer.Commit());
    EXPECT_EQ(big, ReadFileBytes(path));
    EXPECT_EQ(1, EntryCount(dir.Path()));
}

TEST(AtomicFileWriter, AbandoningLeavesNoTrace)
{
    TempDir dir;
    const std::string path = dir.File("f");
    WriteFileBytes(path, "old");
    {
        CAtomicFileWriter writer;
        ASSERT_EQ(CAtomicFileWriter::Outcome::Ready, writer.Begin(path));
        writer.Write("new", 3);
    }  // never committed
    EXPECT_EQ("old", ReadFileBytes(path));
    EXPECT_EQ(1, EntryCount(dir.Path()));
}

TEST(AtomicFileWriter, NewFilesFollowTheUmaskOrAModelFile)
{
    TempDir dir;
    const mode_t saved = ::umask(027);
    CAtomicFileWriter writer;
    ASSERT_EQ(CAtomicFileWriter::Outcome::Ready, writer.Begin(dir.File("plain")));
    ASSERT_TRUE(writer.Commit());
    WriteFileBytes(dir.File("model"), "");
    ::chmod(dir.File("model").c_str(), 0600);
    ASSERT_EQ(CAtomicFileWriter::Outcome::Ready, writer.Begin(dir.File("private"), dir.File("model")));
    ASSERT_TRUE(writer.Commit());
    ::umask(saved);
    EXPECT_EQ(0640u, StatOf(dir.File("plain")).st_mode & 07777);
    EXPECT_EQ(0600u, StatOf(dir.File("private")).st_mode & 07777);
}

TEST(BackupCopy, LinksTheOldFileAndReplacesTheOlderBackupOnlyWhenInstalled)
{
    TempDir dir;
    const std::string path = dir.File("f");
    WriteFileBytes(path, "v1");
    WriteFileBytes(path + ".bak", "older backup");
    CBackupCopy backup;
    EXPECT_TRUE(backup.Prepare(path, path + ".bak"));
    EXPECT_EQ("older backup", ReadFileBytes(path + ".bak"));

    // Replacing the file leaves the prepared copy with the old bytes.
    CAtomicFileWriter writer;
    ASSERT_EQ(CAtomicFileWriter::Outcome::Ready, writer.Begin(path));
    writer.Write("v2", 2);
    ASSERT_TRUE(writer.Commit());
    EXPECT_TRUE(backup.Install());
    EXPECT_EQ("v1", ReadFileBytes(path + ".bak"));
    EXPECT_EQ("v2", ReadFileBytes(path));
    EXPECT_EQ(2, EntryCount(dir.Path()));
}

TEST(BackupCopy, InstallingTheSameFileTwiceLeavesNoTemporaryName)
{
    TempDir dir;
    const std::string path = dir.File("f");
    WriteFileBytes(path, "v1");
    CBackupCopy first;
    ASSERT_TRUE(first.Prepare(path, path + ".bak"));
    ASSERT_TRUE(first.Install());
    CBackupCopy second;  // the backup is already this very file
    ASSERT_TRUE(second.Prepare(path, path + ".bak"));
    EXPECT_TRUE(second.Install());
    EXPECT_EQ(StatOf(path).st_ino, StatOf(path + ".bak").st_ino);
    EXPECT_EQ(2, EntryCount(dir.Path()));
}

TEST(BackupCopy, CopiesAFileThatHasOtherNames)
{
    TempDir dir;
    const std::string path = dir.File("f");
    WriteFileBytes(path, "shared");
    ::chmod(path.c_str(), 0640);
    ASSERT_EQ(0, ::link(path.c_str(), dir.File("other name").c_str()));
    CBackupCopy backup;
    EXPECT_TRUE(backup.Prepare(path, path + ".bak"));
    EXPECT_TRUE(backup.Install());
    EXPECT_EQ("shared", ReadFileBytes(path + ".bak"));
    EXPECT_NE(StatOf(path).st_ino, StatOf(path + ".bak").st_ino);
    EXPECT_EQ(0640u, StatOf(path + ".bak").st_mode & 07777);
    EXPECT_EQ(3, EntryCount(dir.Path()));
}

TEST(BackupCopy, NothingToBackUpLeavesNothingBehind)
{
    TempDir dir;
    {
        CBackupCopy backup;
        EXPECT_FALSE(backup.Prepare(dir.File("missing"), dir.File("missing.bak")));
        EXPECT_FALSE(backup.Install());
    }
    {
        WriteFileBytes(dir.File("f"), "x");
        CBackupCopy abandoned;
        EXPECT_TRUE(abandoned.Prepare(dir.File("f"), dir.File("f.bak")));
    }  // never installed
    EXPECT_EQ(1, EntryCount(dir.Path()));
}

}  // namespace
