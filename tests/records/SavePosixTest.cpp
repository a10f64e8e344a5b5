#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>

#include "records/OpenMode.h"
#include "records/RecordTestHelpers.h"
#include "support/TempDir.h"
#include "support/TestPlatform.h"

// Saving as POSIX systems see it: write limits, permission bits, symbolic
// links and descriptor numbers.
namespace {

// Lets the process write files of at most `limit` bytes, so that a save
// fails part-way like on a full disk.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t limit)
    {
        ::getrlimit(RLIMIT_FSIZE, &saved_);
        oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit lowered = saved_;
        lowered.rlim_cur = limit;
        ::setrlimit(RLIMIT_FSIZE, &lowered);
    }
    ~FileSizeLimit()
    {
        ::setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, oldHandler_);
    }

private:
    rlimit saved_{};
    void (*oldHandler_)(int);
};

TEST(Save, AWriteThatFailsPartWayLeavesTheTargetAsItWas)
{
    TempDir dir;
    TestPlatform platform;
    const std::string path = dir.File("doc.txt");
    WriteFileBytes(path, "precious\n");
    ::chmod(path.c_str(), 0640);
    CRecordList list;
    ASSERT_EQ(0, list.Load(path, kRequestAuto, 0));
    const std::string block(50000, 'z');
    for (int i = 0; i < 100; ++i) ASSERT_NE(nullptr, list.NewRecord(nullptr, U(block), 50000));
    {
        FileSizeLimit limit(3000000);
        EXPECT_FALSE(list.SaveWithMessage(path, kModeDos));
    }
    EXPECT_EQ("precious\n", ReadFileBytes(path));
    // The file never changed, so an older backup would have stayed too.
    EXPECT_EQ((std::vector<std::string>{"doc.txt"}), FolderEntries(dir.Path()));
    EXPECT_EQ(kModeUnix, list.file.mode);  // the document keeps its form
    ASSERT_EQ(1u, platform.messageBox.boxes.size());
    EXPECT_EQ("Cannot save file.", platform.messageBox.boxes[0].text);
}

TEST(Save, TheNewFileKeepsTheOldPermissionBitsAndLinksStay)
{
    TempDir dir;
    const std::string real = dir.File("real.txt");
    const std::string link = dir.File("link.txt");
    WriteFileBytes(real, "old\n");
    ::chmod(real.c_str(), 0604);
    ASSERT_EQ(0, ::symlink("real.txt", link.c_str()));
    auto list = ListOf({"new"});
    EXPECT_EQ(0, list->Save(false, link, kModeUnix));
    struct stat info {};
    ASSERT_EQ(0, ::lstat(link.c_str(), &info));
    EXPECT_TRUE(S_ISLNK(info.st_mode));
    EXPECT_EQ("new\n", ReadFileBytes(real));
    ASSERT_EQ(0, ::stat(real.c_str(), &info));
    EXPECT_EQ(0604u, info.st_mode & 07777);
    EXPECT_EQ("old\n", ReadFileBytes(link + ".bak"));
    EXPECT_EQ(link, list->fileName);
}

TEST(Save, HandleZeroIsAValidFile)
{
    TempDir dir;
    const std::string path = dir.File("doc.txt");
    WriteFileBytes(path, "zero\n");
    const int savedStdin = ::dup(0);
    ::close(0);  // the next file opened gets handle 0
    CRecordList list;
    const int loaded = list.Load(path, kRequestAuto, 0);
    const int saved = list.Save(false, path, kModeDos);
    ::dup2(savedStdin, 0);
    ::close(savedStdin);
    EXPECT_EQ(0, loaded);
    EXPECT_EQ(std::vector<std::string>{"zero"}, Records(list));
    EXPECT_EQ(0, saved);
    EXPECT_EQ("zero\r\n", ReadFileBytes(path));
}

TEST(RecoveryCopy, IsAsPrivateAsTheDocumentsFile)
{
    TempDir dir;
    const std::string path = dir.File("secret.txt");
    WriteFileBytes(path, "pin 1234\n");
    auto list = std::make_unique<CRecordList>();
    ASSERT_EQ(0, list->Load(path, kRequestAuto, 0));
    ::chmod(path.c_str(), 0600);
    EXPECT_TRUE(list->SaveRecoveryCopy());
    struct stat info {};
    ASSERT_EQ(0, ::stat((path + ".tbsav").c_str(), &info));
    EXPECT_EQ(0600u, info.st_mode & 07777);
}

}  // namespace
