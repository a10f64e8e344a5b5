#include <gtest/gtest.h>

#include <chrono>
#include <ctime>
#include <filesystem>

#include "records/OpenMode.h"
#include "records/RecordMessages.h"
#include "records/RecordTestHelpers.h"
#include "records/RecoveryOffer.h"
#include "support/TempDir.h"
#include "support/TestPlatform.h"
#ifndef _WIN32
#include <sys/stat.h>

#include "support/ChildProcess.h"
#endif

namespace {

// 2024-03-05 06:07:08 local time.
std::int64_t KnownMoment()
{
    std::tm local{};
    local.tm_year = 124;
    local.tm_mon = 2;
    local.tm_mday = 5;
    local.tm_hour = 6;
    local.tm_min = 7;
    local.tm_sec = 8;
    local.tm_isdst = -1;
    return static_cast<std::int64_t>(std::mktime(&local));
}

void SetModified(const std::string& path, std::int64_t seconds)
{
    const auto at = std::chrono::system_clock::from_time_t(static_cast<std::time_t>(seconds));
    std::filesystem::last_write_time(path, std::chrono::file_clock::from_sys(at));
}

std::string Offer(const std::string& name, const std::string& note = "")
{
    return "An autosave copy of \"" + name + "\" was saved on 2024-03-05 at 06:07:08.\n" +
           (note.empty() ? "" : note + "\n") + "Open the copy instead of the file?";
}

class RecoveryOffer : public ::testing::Test {
protected:
    RecoveryOffer()
    {
        WriteFileBytes(path, "a\nb\n");
        WriteFileBytes(copy, "x\r\ny\n");
        SetModified(copy, KnownMoment());
    }
    const RecordingMessageBox::Box& Box(std::size_t i) const { return platform.messageBox.boxes.at(i); }

    TestPlatform platform;
    TempDir dir;
    const std::string path = dir.File("doc.txt");
    const std::string copy = path + ".tbsav";
};

TEST_F(RecoveryOffer, YesReadsTheCopyUnderTheFilesNameAsTheFileIsReadAndSaveRemovesIt)
{
    SetModified(path, KnownMoment() - 60);
    OpenedRecords opened = OpenOfferingCopy(path, kRequestAuto, 0);  // answered Yes
    ASSERT_EQ(1u, platform.messageBox.boxes.size());
    EXPECT_EQ(Offer(path), Box(0).text);
    EXPECT_EQ("Hold Up!", Box(0).caption);
    EXPECT_EQ(MbIcon::Warning, Box(0).icon);
    EXPECT_EQ(MbButtons::YesNo, Box(0).buttons);

    ASSERT_TRUE(opened.recovered);
    CRecordList& list = *opened.records;
    // The file is UNIX text: the copy's CR stays a byte, as it would in the file.
    EXPECT_EQ((std::vector<std::string>{"x\r", "y"}), Records(list));
    EXPECT_EQ(path, list.fileName);
    EXPECT_EQ(4, list.file.status.size);
    EXPECT_TRUE(FileExists(dir.File(".doc.txt.tbsav.lock")));
    EXPECT_EQ(0, list.Save(false, path, kModeUnix));
    EXPECT_FALSE(FileExists(copy));
}

TEST_F(RecoveryOffer, AnOlderCopyOrAMissingFileIsSaidAndNoMovesTheCopyToAFreeStampedName)
{
    SetModified(path, KnownMoment() + 1);
    const std::string stamped = copy + "-20240305-060708";
    WriteFileBytes(stamped, "an earlier one");
    platform.messageBox.Answer(MbResult::No);
    OpenedRecords opened = OpenOfferingCopy(path, kRequestAuto, 0);
    EXPECT_EQ(Offer(path, kRecoveryCopyOlder), Box(0).text);
    EXPECT_EQ(MbButtons::YesNoDefaultNo, Box(0).buttons);
    EXPECT_EQ("The autosave copy was kept as \"" + stamped + "-2\".", Box(1).text);
    EXPECT_FALSE(opened.recovered);
    EXPECT_EQ((std::vector<std::string>{"a", "b"}), Records(*opened.records));
    EXPECT_EQ("x\r\ny\n", ReadFileBytes(stamped + "-2"));
    EXPECT_EQ("an earlier one", ReadFileBytes(stamped));
    // The document's own copy takes the usual name again.
    ASSERT_TRUE(opened.records->SaveRecoveryCopy());
    EXPECT_EQ("a\nb\n", ReadFileBytes(copy));

    opened.records.reset();
    RemoveFile(path);
    WriteFileBytes(copy, "x\r\ny\n");
    SetModified(copy, KnownMoment());
    platform.messageBox.boxes.clear();
    opened = OpenOfferingCopy(path, kRequestAuto, 0);  // answered Yes
    EXPECT_EQ(Offer(path, kRecoveryFileMissing), Box(0).text);
    EXPECT_EQ(MbButtons::YesNoDefaultNo, Box(0).buttons);
    EXPECT_EQ((std::vector<std::string>{"x", "y"}), Records(*opened.records));  // DOS, as detected on the copy
}

TEST_F(RecoveryOffer, ACopyIsNeitherOfferedNorOverwrittenUnlessTheDocumentWroteIt)
{
    // An instance on the file finds a copy it did not write, left by a
    // session that ended without cleaning up: its own copy goes elsewhere.
    CRecordList first;
    ASSERT_EQ(0, first.Load(path, kRequestAuto, 0));
    ASSERT_TRUE(first.SaveRecoveryCopy());
    EXPECT_NE(copy, first.RecoveryCopyName());
    EXPECT_EQ("x\r\ny\n", ReadFileBytes(copy));

    // It now holds the file's lock: a second instance is offered nothing,
    // and its copy goes elsewhere too, even while the name is free.
    OpenedRecords second = OpenOfferingCopy(path, kRequestAuto, 0);
    EXPECT_TRUE(platform.messageBox.boxes.empty());
    RemoveFile(copy);
    ASSERT_TRUE(second.records->SaveRecoveryCopy());
    const std::string own = second.records->RecoveryCopyName();
    EXPECT_FALSE(FileExists(copy));
    EXPECT_EQ("a\nb\n", ReadFileBytes(own));
    second.records.reset();
    EXPECT_FALSE(FileExists(own));
}

TEST_F(RecoveryOffer, AtStartTheUntitledCopyIsOfferedAndYesGivesAnUntitledDocument)
{
    InFolder here(dir.Path());
    WriteFileBytes("Untitled.tbsav", "draft\r\n");
    SetModified("Untitled.tbsav", KnownMoment());
    {
        OpenedRecords opened = NewOfferingCopy("Untitled");  // answered Yes
        EXPECT_EQ(Offer("Untitled"), Box(0).text);
        ASSERT_TRUE(opened.recovered);
        EXPECT_EQ((std::vector<std::string>{"draft"}), Records(*opened.records));
        EXPECT_EQ("", opened.records->fileName);
    }
    EXPECT_FALSE(FileExists(dir.File("Untitled.tbsav")));  // closed unsaved: the copy goes
}

#ifndef _WIN32
TEST(RecoveryOfferMove, ACopyThatCannotBeMovedStaysAndTheUserIsTold)
{
    TempDir dir;
    ::chmod(dir.Path().c_str(), 0755);
    const std::string folder = dir.File("locked");
    ::mkdir(folder.c_str(), 0755);
    const std::string path = folder + "/doc.txt";
    WriteFileBytes(path, "a\n");
    WriteFileBytes(path + ".tbsav", "b\n");
    ::chmod(folder.c_str(), 0555);
    EXPECT_EQ("", RunAsUnprivilegedUser([&]() -> std::string {
        TestPlatform platform;
        platform.messageBox.Answer(MbResult::No);
        OpenedRecords opened = OpenOfferingCopy(path, kRequestAuto, 0);
        const auto& boxes = platform.messageBox.boxes;
        const bool told = boxes.size() == 2 && boxes[1].text.find("could not be renamed") != std::string::npos;
        const bool kept = ReadFileBytes(path + ".tbsav") == "b\n" && Records(*opened.records)[0] == "a";
        return told && kept ? "" : "not told, or the copy or the document is wrong";
    }));
}
#endif

}  // namespace
