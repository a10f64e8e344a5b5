#include <gtest/gtest.h>

#include <dirent.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>

#include "records/OpenMode.h"
#include "records/RecordMessages.h"
#include "records/RecordTestHelpers.h"
#include "support/TempDir.h"
#include "support/TestPlatform.h"

namespace {

std::vector<std::string> FolderEntries(const std::string& folder)
{
    std::vector<std::string> names;
    if (DIR* d = ::opendir(folder.c_str())) {
        while (const dirent* e = ::readdir(d)) {
            const std::string name = e->d_name;
            if (name != "." && name != "..") names.push_back(name);
        }
        ::closedir(d);
    }
    std::sort(names.begin(), names.end());
    return names;
}

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
    ::mkdir(dir.File("folder").c_str(), 0755);
    EXPECT_EQ(1, list->Save(false, dir.File("folder"), kModeDos));
}

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
    EXPECT_EQ(0, list.Load(path, kRequestAuto, 0));
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

}  // namespace
