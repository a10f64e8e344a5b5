#include <gtest/gtest.h>

#include <filesystem>

#include <functional>

#include "records/OpenMode.h"
#include "records/RecordMessages.h"
#include "records/RecordTestHelpers.h"
#include "support/TempDir.h"
#include "support/TestPlatform.h"

namespace {

const char kQuestion[] =
    "Line 2 too long.  Do you want to load as Binary?\nIf no, records exceeding limit will be divided.";

std::string Line(char c, int n) { return std::string(static_cast<std::size_t>(n), c); }

TEST(LoadLongLines, AnsweringNoDividesEveryLongLineAndAsksOnce)
{
    TempDir dir;
    TestPlatform platform;
    platform.messageBox.Answer(MbResult::No);
    const std::string path = dir.File("long.txt");
    WriteFileBytes(path, "short\n" + Line('a', 70000) + "\n" + Line('b', 140000) + "\nend\n");
    CRecordList list;
    EXPECT_EQ(0, list.Load(path, kRequestAuto, 0));
    ASSERT_EQ(1u, platform.messageBox.boxes.size());
    EXPECT_EQ(kQuestion, platform.messageBox.boxes[0].text);
    EXPECT_EQ("Line Too Long", platform.messageBox.boxes[0].caption);
    EXPECT_EQ(MbIcon::Question, platform.messageBox.boxes[0].icon);
    EXPECT_EQ(MbButtons::YesNo, platform.messageBox.boxes[0].buttons);
    std::vector<int> lengths;
    for (const RecordNode* n = list.head; n; n = n->next) lengths.push_back(n->length);
    EXPECT_EQ((std::vector<int>{5, 65535, 4465, 65535, 65535, 8930, 3}), lengths);
    EXPECT_EQ(kModeUnix, list.file.mode);
    EXPECT_EQ(path, list.fileName);
    EXPECT_TRUE(ListIsConsistent(list));
}

TEST(LoadLongLines, AnsweringYesReloadsTheWholeFileAsBinary64)
{
    TempDir dir;
    TestPlatform platform;
    platform.messageBox.Answer(MbResult::Yes);
    const std::string path = dir.File("long.txt");
    const std::string bytes = "short\n" + Line('a', 70000) + "\n";
    WriteFileBytes(path, bytes);
    CRecordList list;
    EXPECT_EQ(0, list.Load(path, kModeUnix, 0));
    EXPECT_EQ(1u, platform.messageBox.boxes.size());
    EXPECT_EQ(kModeBinary, list.file.mode);
    EXPECT_EQ(64, list.file.recordWidth);
    EXPECT_EQ(static_cast<int>((bytes.size() + 63) / 64), list.recordCount);
    EXPECT_EQ(static_cast<int>(bytes.size()), list.totalBytes);
    EXPECT_EQ("short\naaa", Text(list.head).substr(0, 9));
    EXPECT_EQ(path, list.fileName);
    EXPECT_TRUE(ListIsConsistent(list));
}

TEST(LoadLongLines, ALineOf65534BytesWithItsTerminatorStillFits)
{
    TempDir dir;
    TestPlatform platform;
    const std::string path = dir.File("fits.txt");
    WriteFileBytes(path, Line('a', 65534) + "\n" + Line('b', 65535));
    CRecordList list;
    EXPECT_EQ(0, list.Load(path, kModeUnix, 0));
    EXPECT_TRUE(platform.messageBox.boxes.empty());  // the last line ends the file
    ASSERT_EQ(2, list.recordCount);
    EXPECT_EQ(65534, list.head->length);
    EXPECT_EQ(65535, list.tail->length);

    // In DOS the terminator takes two of the 65535 bytes.
    WriteFileBytes(path, Line('a', 65533) + "\r\n");
    CRecordList dos;
    EXPECT_EQ(0, dos.Load(path, kModeDos, 0));
    EXPECT_TRUE(platform.messageBox.boxes.empty());
    EXPECT_EQ(65533, dos.head->length);
}

TEST(LoadLongLines, ADosCutCanSeparateCrFromLf)
{
    TempDir dir;
    TestPlatform platform;
    platform.messageBox.Answer(MbResult::No);
    const std::string path = dir.File("cut.txt");
    WriteFileBytes(path, Line('a', 65534) + "\r\nb\r\n");  // 65536 bytes with its CR LF
    CRecordList list;
    EXPECT_EQ(0, list.Load(path, kModeDos, 0));
    ASSERT_EQ(1u, platform.messageBox.boxes.size());
    EXPECT_EQ(std::string(
                  "Line 1 too long.  Do you want to load as Binary?\nIf no, records exceeding limit will be divided."),
              platform.messageBox.boxes[0].text);
    ASSERT_EQ(2, list.recordCount);
    EXPECT_EQ(Line('a', 65534) + "\r", Text(list.head));
    EXPECT_EQ("\nb", Text(list.tail));  // the LF has no CR before it in its record
}

TEST(LoadLongLines, AWidthAbove65535AsksForLineOne)
{
    TempDir dir;
    const std::string path = dir.File("wide.bin");
    WriteFileBytes(path, Line('w', 140000));
    {
        TestPlatform platform;
        platform.messageBox.Answer(MbResult::No);
        CRecordList list;
        EXPECT_EQ(0, list.Load(path, kRequestAuto, 100000));
        ASSERT_EQ(1u, platform.messageBox.boxes.size());
        EXPECT_NE(std::string::npos, platform.messageBox.boxes[0].text.find("Line 1 too long."));
        std::vector<int> lengths;
        for (const RecordNode* n = list.head; n; n = n->next) lengths.push_back(n->length);
        EXPECT_EQ((std::vector<int>{65535, 65535, 8930}), lengths);
        EXPECT_EQ(100000, list.file.recordWidth);
    }
    {
        TestPlatform platform;
        platform.messageBox.Answer(MbResult::Yes);
        CRecordList list;
        EXPECT_EQ(0, list.Load(path, kRequestAuto, 100000));
        EXPECT_EQ(64, list.file.recordWidth);
        EXPECT_EQ((140000 + 63) / 64, list.recordCount);
    }
}

// Changes the file while the load waits for the answer to its question,
// that is between the counting pass and the reading pass.
class ChangingMessageBox : public IMessageBox {
public:
    explicit ChangingMessageBox(std::function<void()> change) : change_(std::move(change)) {}
    MbResult Show(const std::string& text, const std::string& caption, MbIcon, MbButtons, WindowHandle) override
    {
        texts.push_back(caption + ": " + text);
        if (caption == kCapLineTooLongQuestion) change_();
        return caption == kCapLineTooLongQuestion ? MbResult::No : MbResult::Ok;
    }
    std::vector<std::string> texts;

private:
    std::function<void()> change_;
};

// The loader reads small files in one pass and counts larger ones first;
// tests reach the counting path by lowering the limit below the file size
// (but above its record bytes, so that it is not refused).
class CounterLimit {
public:
    explicit CounterLimit(std::int64_t limit) { SetDocumentCounterLimitForTesting(limit); }
    ~CounterLimit() { SetDocumentCounterLimitForTesting(0); }
};

struct ChangeCase {
    const char* name;
    std::string after;
};

// The file is read whole before the question: whatever happens to it then,
// both ways of reading give the records as they were read, and the warning.
TEST(LoadLongLines, AFileThatChangesWhileBeingReadIsReportedAsReadPartly)
{
    const std::string start = Line('a', 70000) + "\nsecond\nthird\n";  // 70014 bytes, 70011 in records
    const std::vector<std::string> asRead = {Line('a', 65535), Line('a', 4465), "second", "third"};
    const std::vector<ChangeCase> cases = {
        {"shrank", start.substr(0, 70007)},
        {"grew", start + "4\n"},
        {"changed", Line('a', 70000) + "\nsec\nond\nthird\n"},
    };
    for (const bool countFirst : {false, true}) {
        for (const ChangeCase& c : cases) {
            const std::string name = std::string(c.name) + (countFirst ? ", counted first" : ", one pass");
            TempDir dir;
            TestPlatform platform;
            CounterLimit limit(countFirst ? 70013 : 0);
            const std::string path = dir.File("moving.txt");
            WriteFileBytes(path, start);
            ChangingMessageBox box([&] { WriteFileBytes(path, c.after); });
            Platform().messageBox = &box;
            CRecordList list;
            EXPECT_EQ(1, list.Load(path, kModeUnix, 0)) << name;
            EXPECT_EQ(LoadOutcome::Partial, list.loadOutcome) << name;
            EXPECT_EQ(asRead, Records(list)) << name;
            EXPECT_EQ(path, list.fileName) << name;  // kept under its name
            EXPECT_TRUE(list.ChangedOnDisk(path)) << name;  // a save asks first
            ASSERT_EQ(2u, box.texts.size()) << name;
            EXPECT_EQ("Hold Up!: " + FillIn(kFmtReadPartly, path), box.texts[1]) << name;
            EXPECT_TRUE(ListIsConsistent(list)) << name;
        }
    }
}

TEST(LoadLongLines, BothWaysOfReadingGiveTheSameRecords)
{
    TempDir dir;
    const std::string path = dir.File("long.txt");
    const std::string bytes = "a\r\n" + Line('b', 70000) + "\r\nc\n\r\n" + Line('d', 200000) + "\r\n\r\n";
    WriteFileBytes(path, bytes);
    std::vector<std::string> results[2];
    for (const bool countFirst : {false, true}) {
        TestPlatform platform;
        platform.messageBox.Answer(MbResult::No);
        CounterLimit limit(countFirst ? static_cast<std::int64_t>(bytes.size()) - 1 : 0);
        CRecordList list;
        EXPECT_EQ(0, list.Load(path, kRequestAuto, 0));
        EXPECT_EQ(1u, platform.messageBox.boxes.size());
        results[countFirst] = Records(list);
    }
    EXPECT_EQ(results[0], results[1]);
    EXPECT_EQ(9u, results[0].size());
}

TEST(LoadLongLines, AFileTooBigForTheCountersIsRefused)
{
    TempDir dir;
    TestPlatform platform;
    const std::string path = dir.File("huge.bin");
    {
        // Sparse where the file system can: 2 GiB of zeros that take no disk space.
        WriteFileBytes(path, "");
        std::error_code error;
        std::filesystem::resize_file(path, 2147483648LL, error);
        ASSERT_FALSE(error) << error.message();
    }
    CRecordList list;
    EXPECT_EQ(1, list.Load(path, kRequestAuto, 0));  // binary by its zeros
    EXPECT_EQ(LoadOutcome::Refused, list.loadOutcome);
    EXPECT_EQ(0, list.recordCount);
    EXPECT_EQ("", list.fileName);
    ASSERT_EQ(1u, platform.messageBox.boxes.size());
    EXPECT_EQ(FillIn(kFmtFileTooLarge, path), platform.messageBox.boxes[0].text);
    EXPECT_EQ("Oops", platform.messageBox.boxes[0].caption);
    EXPECT_EQ(MbIcon::Stop, platform.messageBox.boxes[0].icon);
}

}  // namespace

namespace {

TEST(LoadLongLines, TextWhoseCountsWouldOverflowIsRefused)
{
    CounterLimit limit(1000);
    TempDir dir;
    const std::string path = dir.File("many.txt");
    const std::vector<std::pair<const char*, std::string>> cases = {
        {"records", std::string(1001, '\n')},
        {"bytes", std::string(999, 'x') + "\n" + "xx\n"},
    };
    for (const auto& [name, bytes] : cases) {
        TestPlatform platform;
        WriteFileBytes(path, bytes);
        CRecordList list;
        EXPECT_EQ(1, list.Load(path, kModeUnix, 0)) << name;
        EXPECT_EQ(LoadOutcome::Refused, list.loadOutcome) << name;
        EXPECT_EQ(0, list.recordCount) << name;
        EXPECT_EQ("", list.fileName) << name;
        ASSERT_EQ(1u, platform.messageBox.boxes.size()) << name;
        EXPECT_EQ(FillIn(kFmtFileTooLarge, path), platform.messageBox.boxes[0].text) << name;
    }
    // Exactly at the limit is fine; terminators do not count.
    WriteFileBytes(path, std::string(998, 'x') + "\r\nxx\r\n");
    CRecordList list;
    EXPECT_EQ(0, list.Load(path, kModeDos, 0));
    EXPECT_EQ(1000, list.totalBytes);
}

}  // namespace
