#include <gtest/gtest.h>

#include <filesystem>

#include <functional>

#include "records/FileImage.h"
#include "records/LoadMemory.h"
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

// Changes the file while the load waits for the answer to its question.
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

struct ChangeCase {
    const char* name;
    std::string after;
};

// The file is read whole before the question: whatever happens to it then,
// the records are those read, with the warning.
TEST(LoadLongLines, AFileThatChangesWhileBeingReadIsReportedAsReadPartly)
{
    const std::string start = Line('a', 70000) + "\nsecond\nthird\n";  // 70014 bytes, 70011 in records
    const std::vector<std::string> asRead = {Line('a', 65535), Line('a', 4465), "second", "third"};
    const std::vector<ChangeCase> cases = {
        {"shrank", start.substr(0, 70007)},
        {"grew", start + "4\n"},
        {"changed", Line('a', 70000) + "\nsec\nond\nthird\n"},
    };
    for (const ChangeCase& c : cases) {
        TempDir dir;
        TestPlatform platform;
        const std::string path = dir.File("moving.txt");
        WriteFileBytes(path, start);
        ChangingMessageBox box([&] { WriteFileBytes(path, c.after); });
        Platform().messageBox = &box;
        CRecordList list;
        EXPECT_EQ(1, list.Load(path, kModeUnix, 0)) << c.name;
        EXPECT_EQ(LoadOutcome::Partial, list.loadOutcome) << c.name;
        EXPECT_EQ(asRead, Records(list)) << c.name;
        EXPECT_EQ(path, list.fileName) << c.name;  // kept under its name
        EXPECT_TRUE(list.ChangedOnDisk(path)) << c.name;  // a save asks first
        ASSERT_EQ(2u, box.texts.size()) << c.name;
        EXPECT_EQ("Hold Up!: " + FillIn(kFmtReadPartly, path), box.texts[1]) << c.name;
        EXPECT_TRUE(ListIsConsistent(list)) << c.name;
    }
}

TEST(LoadLongLines, LongDosLinesAreDividedWhereverTheirBreaksFall)
{
    TempDir dir;
    const std::string path = dir.File("long.txt");
    WriteFileBytes(path, "a\r\n" + Line('b', 70000) + "\r\nc\n\r\n" + Line('d', 200000) + "\r\n\r\n");
    TestPlatform platform;
    platform.messageBox.Answer(MbResult::No);
    CRecordList list;
    EXPECT_EQ(0, list.Load(path, kRequestAuto, 0));
    EXPECT_EQ(1u, platform.messageBox.boxes.size());
    EXPECT_EQ((std::vector<std::string>{"a", Line('b', 65535), Line('b', 4465), "c\n", Line('d', 65535),
                                        Line('d', 65535), Line('d', 65535), Line('d', 3395), ""}),
              Records(list));
}

// Pretends the system has only so much memory available.
class AvailableMemory {
public:
    explicit AvailableMemory(std::uint64_t bytes) { SetAvailableMemoryForTesting(bytes); }
    ~AvailableMemory() { SetAvailableMemoryForTesting(0); }
};

void ExpectRefused(const CRecordList& list, const TestPlatform& platform, const std::string& path)
{
    EXPECT_EQ(LoadOutcome::Refused, list.loadOutcome);
    EXPECT_EQ(0, list.recordCount);
    EXPECT_EQ("", list.fileName);
    ASSERT_EQ(1u, platform.messageBox.boxes.size());
    EXPECT_EQ(FillIn(kFmtNeedsMoreMemory, path), platform.messageBox.boxes[0].text);
    EXPECT_EQ("Oops", platform.messageBox.boxes[0].caption);
    EXPECT_EQ(MbIcon::Stop, platform.messageBox.boxes[0].icon);
}

TEST(LoadMemory, AFileLargerThanTheMemoryAvailableIsRefusedBeforeItIsRead)
{
    TempDir dir;
    TestPlatform platform;
    const std::string path = dir.File("big.bin");
    WriteFileBytes(path, std::string(5000, '\0'));
    AvailableMemory available(5000);  // one byte short of the image
    CRecordList list;
    EXPECT_EQ(1, list.Load(path, kRequestAuto, 0));
    ExpectRefused(list, platform, path);
    EXPECT_EQ(0u, CFileImage::LiveCount());
}

// Every line costs a record node: the file's bytes fit, its records not.
TEST(LoadMemory, RecordsThatWouldPassTheMemoryAvailableAreRefused)
{
    TempDir dir;
    const std::string path = dir.File("lines.txt");
    const std::uint64_t lines = 200000;  // far more nodes than storage keeps spare
    WriteFileBytes(path, std::string(lines, '\n'));
    // Every line feed and the piece after the last may make a record; node
    // memory the storage holds spare counts as had.
    const auto need = [&] { return (lines + 1) * kMemoryPerRecord - SpareNodeMemory(); };
    ASSERT_GT(need(), lines + 1);  // the bytes fit either way
    {
        TestPlatform platform;
        AvailableMemory available(need() - 1);
        CRecordList list;
        EXPECT_EQ(1, list.Load(path, kModeUnix, 0));
        ExpectRefused(list, platform, path);
    }
    {
        TestPlatform platform;
        AvailableMemory available(need());
        CRecordList list;
        EXPECT_EQ(0, list.Load(path, kModeUnix, 0));
        EXPECT_EQ(static_cast<RecordIndex>(lines), list.recordCount);
        EXPECT_TRUE(platform.messageBox.boxes.empty());
    }
}

}  // namespace
