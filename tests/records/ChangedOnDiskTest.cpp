#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "records/OpenMode.h"
#include "records/RecordMessages.h"
#include "records/RecordTestHelpers.h"
#include "support/TempDir.h"
#include "support/TestPlatform.h"

#ifdef _WIN32
#include <windows.h>

#include "platform/win/WideText.h"
#else
#include <fcntl.h>
#include <sys/stat.h>
#endif

namespace {

#ifdef _WIN32
constexpr char kSeparator[] = "\\";
constexpr std::int64_t kFinestStep = 100;  // the system keeps 100 ns ticks
#else
constexpr char kSeparator[] = "/";
constexpr std::int64_t kFinestStep = 1;
#endif

// Gives `path` the modification time in `status` moved on by `nanoseconds`.
void SetModifyTime(const std::string& path, const FileStatus& status, std::int64_t nanoseconds)
{
    const std::int64_t total = status.modifyNanoseconds + nanoseconds;
    const std::int64_t seconds = status.modifyTime + total / 1000000000;
    const std::int64_t rest = total % 1000000000;
#ifdef _WIN32
    const std::int64_t ticks = seconds * 10000000 + rest / 100 + 116444736000000000LL;
    const FILETIME time{static_cast<DWORD>(ticks), static_cast<DWORD>(ticks >> 32)};
    const HANDLE file = ::CreateFileW(WidePath(path).c_str(), FILE_WRITE_ATTRIBUTES,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                      0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, file);
    EXPECT_TRUE(::SetFileTime(file, nullptr, nullptr, &time));
    ::CloseHandle(file);
#else
    const timespec times[2] = {{0, UTIME_OMIT}, {static_cast<time_t>(seconds), static_cast<long>(rest)}};
    ASSERT_EQ(0, ::utimensat(AT_FDCWD, path.c_str(), times, 0));
#endif
}

FileStatus StatusOf(const std::string& path)
{
    FileStatus status;
    EXPECT_TRUE(ReadFileStatus(path, &status));
    return status;
}

std::string QuestionFor(const std::string& path)
{
    return "\"" + path + "\" has been changed by another program since it was last opened or saved.\n"
           "Overwrite it?  Its current contents go to \"" + path + ".bak\".";
}

// What another program does to the file; `recorded` is what the document
// holds about it.
struct Change {
    const char* name;
    std::function<void(const std::string& path, const FileStatus& recorded)> apply;
};

const Change kChanges[] = {
    {"grown in place", [](const std::string& path, const FileStatus&) { WriteFileBytes(path, "one\ntwo\nsix\n"); }},
    {"rewritten, same size, only the time moved on",
     [](const std::string& path, const FileStatus& recorded) {
         WriteFileBytes(path, "uno\ntwo\n");
         SetModifyTime(path, recorded, kFinestStep);
         const FileStatus now = StatusOf(path);
         EXPECT_TRUE(now.fileIndex == recorded.fileIndex && now.size == recorded.size &&
                     now.modifyTime * 1000000000 + now.modifyNanoseconds ==
                         recorded.modifyTime * 1000000000 + recorded.modifyNanoseconds + kFinestStep);
     }},
    {"replaced by a rename, same size and time",
     [](const std::string& path, const FileStatus& recorded) {
         WriteFileBytes(path + ".new", "uno\ntwo\n");
         SetModifyTime(path + ".new", recorded, 0);
         std::filesystem::rename(path + ".new", path);
         const FileStatus now = StatusOf(path);
         EXPECT_NE(now.fileIndex, recorded.fileIndex);
         EXPECT_TRUE(now.size == recorded.size && now.modifyTime == recorded.modifyTime &&
                     now.modifyNanoseconds == recorded.modifyNanoseconds);
     }},
};

// A document read from doc.txt, its first record edited; with `linked` the
// file has a second name, so that saves rewrite it in place.
struct EditedDocument {
    EditedDocument(const TempDir& dir, bool linked) : path(dir.File("doc.txt"))
    {
        WriteFileBytes(path, "one\ntwo\n");
        WriteFileBytes(path + ".bak", "older backup\n");
        if (linked) std::filesystem::create_hard_link(path, dir.File("link.txt"));
        EXPECT_EQ(0, list.Load(path, kRequestAuto, 0));
        EXPECT_TRUE(list.Splice(list.head, 0, 3, U("ONE"), 3));
    }
    std::string path;
    CRecordList list;
};

std::vector<std::string> Entries(bool linked)
{
    if (linked) return {"doc.txt", "doc.txt.bak", "link.txt"};
    return {"doc.txt", "doc.txt.bak"};
}

// No saves nothing and changes nothing, and asks again next time; Yes
// keeps the other program's bytes in the backup; after that save the
// document's own file is known again.
TEST(ChangedOnDisk, EachChangeMakesSaveAskNoKeepsAllAsItWasYesKeepsTheBytesInTheBackup)
{
    for (const bool linked : {false, true}) {
        for (const Change& change : kChanges) {
            const std::string name = std::string(change.name) + (linked ? ", two links" : "");
            TestPlatform platform;
            TempDir dir;
            EditedDocument doc(dir, linked);
            const FileStatus recorded = doc.list.file.status;
            change.apply(doc.path, recorded);
            const std::string other = ReadFileBytes(doc.path);

            for (int attempt = 1; attempt <= 2; ++attempt) {
                platform.messageBox.Answer(MbResult::No);
                EXPECT_FALSE(doc.list.SaveWithMessage(doc.path, kModeDos)) << name;
                ASSERT_EQ(static_cast<std::size_t>(attempt), platform.messageBox.boxes.size()) << name;
                const RecordingMessageBox::Box& box = platform.messageBox.boxes.back();
                EXPECT_EQ(QuestionFor(doc.path), box.text) << name;
                EXPECT_EQ("Hold Up!", box.caption) << name;
                EXPECT_EQ(MbIcon::Warning, box.icon) << name;
                EXPECT_EQ(MbButtons::YesNoDefaultNo, box.buttons) << name;
                EXPECT_EQ(other, ReadFileBytes(doc.path)) << name;
                EXPECT_EQ("older backup\n", ReadFileBytes(doc.path + ".bak")) << name;
                EXPECT_EQ(Entries(linked), FolderEntries(dir.Path())) << name;
                EXPECT_EQ((std::vector<std::string>{"ONE", "two"}), Records(doc.list)) << name;
                EXPECT_EQ(kModeUnix, doc.list.file.mode) << name;
                EXPECT_TRUE(SameContentsStatus(recorded, doc.list.file.status)) << name;
            }

            platform.messageBox.Answer(MbResult::Yes);
            EXPECT_TRUE(doc.list.SaveWithMessage(doc.path, kModeUnix)) << name;
            EXPECT_EQ(3u, platform.messageBox.boxes.size()) << name;
            EXPECT_EQ("ONE\ntwo\n", ReadFileBytes(doc.path)) << name;
            EXPECT_EQ(other, ReadFileBytes(doc.path + ".bak")) << name;

            EXPECT_TRUE(doc.list.Splice(doc.list.head, 0, 3, U("1"), 1)) << name;
            EXPECT_TRUE(doc.list.SaveWithMessage(doc.path, kModeUnix)) << name;
            EXPECT_EQ(3u, platform.messageBox.boxes.size()) << name;
            EXPECT_EQ("1\ntwo\n", ReadFileBytes(doc.path)) << name;
            EXPECT_EQ("ONE\ntwo\n", ReadFileBytes(doc.path + ".bak")) << name;
            EXPECT_EQ(Entries(linked), FolderEntries(dir.Path())) << name;
        }
    }
}

// Only the document's own file is guarded, under any spelling of its name;
// a file that is gone is simply written.
TEST(ChangedOnDisk, SaveAsElsewhereAndAVanishedFileSaveWithoutAQuestion)
{
    TestPlatform platform;
    TempDir dir;
    EditedDocument doc(dir, false);
    WriteFileBytes(doc.path, "changed\n");
    const std::string sameFile = dir.Path() + kSeparator + "." + kSeparator + "doc.txt";
    EXPECT_TRUE(doc.list.ChangedOnDisk(sameFile));
    EXPECT_FALSE(doc.list.ChangedOnDisk(dir.File("copy.txt")));

    EXPECT_TRUE(doc.list.SaveWithMessage(dir.File("copy.txt"), kModeUnix));
    EXPECT_TRUE(platform.messageBox.boxes.empty());
    EXPECT_EQ("ONE\ntwo\n", ReadFileBytes(dir.File("copy.txt")));
    EXPECT_EQ("changed\n", ReadFileBytes(doc.path));
    EXPECT_FALSE(doc.list.ChangedOnDisk(doc.path));  // no longer its file

    std::filesystem::remove(dir.File("copy.txt"));
    EXPECT_TRUE(doc.list.SaveWithMessage(dir.File("copy.txt"), kModeUnix));
    EXPECT_TRUE(platform.messageBox.boxes.empty());
    EXPECT_EQ("ONE\ntwo\n", ReadFileBytes(dir.File("copy.txt")));
}

// The question promises the backup: when it cannot be made, the save fails
// before the file changes.
TEST(ChangedOnDisk, AYesWhoseBackupCannotBeMadeLeavesTheFileAsItIs)
{
    for (const bool linked : {false, true}) {
        TestPlatform platform;
        TempDir dir;
        EditedDocument doc(dir, linked);
        std::filesystem::remove(doc.path + ".bak");
        std::filesystem::create_directory(doc.path + ".bak");
        WriteFileBytes(doc.path + ".bak" + kSeparator + "inside", "x");
        WriteFileBytes(doc.path, "changed\n");

        platform.messageBox.Answer(MbResult::Yes);
        EXPECT_FALSE(doc.list.SaveWithMessage(doc.path, kModeUnix)) << linked;
        ASSERT_EQ(2u, platform.messageBox.boxes.size()) << linked;
        EXPECT_EQ(kMsgCannotSave, platform.messageBox.boxes[1].text) << linked;
        EXPECT_EQ("changed\n", ReadFileBytes(doc.path)) << linked;
        EXPECT_EQ(Entries(linked), FolderEntries(dir.Path())) << linked;
        EXPECT_TRUE(doc.list.ChangedOnDisk(doc.path)) << linked;
    }
}

}  // namespace
