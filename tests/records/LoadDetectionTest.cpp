#include <gtest/gtest.h>

#include "records/OpenMode.h"
#include "records/RecordFile.h"
#include "records/RecordTestHelpers.h"
#include "support/TempDir.h"
#include "support/TestPlatform.h"

namespace {

using Strings = std::vector<std::string>;

// Loads `bytes` from a file with the given request.
struct Loaded {
    int result;
    std::unique_ptr<CRecordList> list;
};

Loaded LoadBytes(const std::string& bytes, std::uint16_t request = kRequestAuto, std::int32_t width = 0)
{
    TempDir dir;
    const std::string path = dir.File("data");
    WriteFileBytes(path, bytes);
    auto list = std::make_unique<CRecordList>();
    const int result = list->Load(path, request, width);
    EXPECT_TRUE(ListIsConsistent(*list));
    return Loaded{result, std::move(list)};
}

TEST(LoadDetection, CrLfMeansDos)
{
    Loaded l = LoadBytes("a\r\nb\r\n");
    EXPECT_EQ(0, l.result);
    EXPECT_EQ(kModeDos, l.list->file.mode);
    EXPECT_EQ(0, l.list->file.recordWidth);
    EXPECT_EQ((Strings{"a", "b"}), Records(*l.list));
}

TEST(LoadDetection, ABareLfBeforeAnyCrLfMeansUnix)
{
    Loaded l = LoadBytes(std::string("a\nb\r\n"));
    EXPECT_EQ(kModeUnix, l.list->file.mode);
    EXPECT_EQ((Strings{"a", "b\r"}), Records(*l.list));
    // A CR LF first decides for DOS, whatever bare LFs follow.
    EXPECT_EQ(kModeDos, LoadBytes("a\r\nb\nc\n").list->file.mode);
}

TEST(LoadDetection, TextWithoutLineBreaksIsDos)
{
    Loaded l = LoadBytes("just one line\rwith a CR");
    EXPECT_EQ(kModeDos, l.list->file.mode);
    EXPECT_EQ((Strings{"just one line\rwith a CR"}), Records(*l.list));
}

TEST(LoadDetection, ControlBytesMeanBinaryButHighBytesDoNot)
{
    for (char binary : {'\0', '\x1a', '\x01', '\x1f', '\x0b'}) {
        std::string bytes = "text\r\nmore text";
        bytes.insert(6, 1, binary);
        Loaded l = LoadBytes(bytes);
        EXPECT_EQ(kModeBinary, l.list->file.mode) << int(binary);
        EXPECT_EQ(64, l.list->file.recordWidth);
    }
    EXPECT_EQ(kModeUnix, LoadBytes("\x7f\xc8\xff\t\n").list->file.mode);
}

TEST(LoadDetection, ABinaryByteFarIntoTheFileStillCounts)
{
    std::string bytes;
    for (int i = 0; i < 100000; ++i) bytes += "line of text\n";
    bytes += '\0';
    EXPECT_EQ(kModeBinary, LoadBytes(bytes).list->file.mode);
}

TEST(LoadDetection, ACrLfPairSplitAcrossReadsIsStillAPair)
{
    // Whatever the reader's block size, the first break is CR LF.
    for (std::size_t firstLine : {4095u, 4096u, 65535u, 262143u}) {
        std::string bytes(firstLine, 'x');
        bytes += "\r\nnext\r\n";
        Loaded l = LoadBytes(bytes);
        EXPECT_EQ(kModeDos, l.list->file.mode) << firstLine;
    }
}

TEST(LoadDetection, BinaryRecordsHaveTheWidthAndALastShortOne)
{
    std::string bytes(130, 'x');
    bytes[5] = '\0';
    Loaded l = LoadBytes(bytes);
    ASSERT_EQ(3, l.list->recordCount);
    EXPECT_EQ(64, l.list->head->length);
    EXPECT_EQ(64, l.list->head->next->length);
    EXPECT_EQ(2, l.list->tail->length);
    EXPECT_EQ(130, l.list->totalBytes);
}

// The load scans the bytes sixteen at a time with its line counts kept per
// byte: every control byte, at any place, and counts past 255 a lane.
TEST(LoadDetection, TheScanWhileReadingCountsLinesAndFindsEveryBinaryByte)
{
    std::string bytes;
    for (int i = 0; i < 70001; ++i)  // LF, tab, CR and a letter: all text
        bytes += i % 3 == 0 ? '\n' : i % 7 == 0 ? 'z' : static_cast<char>(9 + i % 2 * 4);
    const auto* data = reinterpret_cast<const std::uint8_t*>(bytes.data());
    for (const std::size_t count : {std::size_t{0}, std::size_t{15}, std::size_t{16}, std::size_t{4081}, bytes.size()}) {
        std::uint64_t lines = 0;
        bool binary = false;
        ScanBytes(data, count, lines, binary);
        EXPECT_EQ(CountLineFeeds(data, count), lines) << count;
        EXPECT_FALSE(binary) << count;
    }
    for (const std::uint8_t control : {0, 8, 11, 12, 14, 26, 31}) {
        for (const std::size_t at : {std::size_t{0}, std::size_t{17}, std::size_t{4095}, bytes.size() - 1}) {
            std::string marked = bytes;
            marked[at] = static_cast<char>(control);
            std::uint64_t lines = 0;
            bool binary = false;
            ScanBytes(reinterpret_cast<const std::uint8_t*>(marked.data()), marked.size(), lines, binary);
            EXPECT_TRUE(binary) << int{control} << " at " << at;
        }
    }
}

TEST(LoadModes, DosKeepsABareLfAsData)
{
    Loaded l = LoadBytes("a\nb\r\n", kModeDos);
    EXPECT_EQ(kModeDos, l.list->file.mode);
    EXPECT_EQ((Strings{"a\nb"}), Records(*l.list));
    // At the very end of the file a bare LF is the final line break, so the
    // save writes CR LF in its place; a piece cut at the record limit keeps
    // its final LF as data.
    EXPECT_EQ((Strings{"x", "y"}), Records(*LoadBytes("x\r\ny\n", kModeDos).list));
    EXPECT_EQ((Strings{"x", ""}), Records(*LoadBytes("x\r\n\n", kModeDos).list));
    const std::string piece = std::string(65534, 'p') + "\n";
    TestPlatform platform;
    platform.messageBox.Answer(MbResult::No);
    Loaded cut = LoadBytes(std::string(65535, 'a') + piece, kModeDos);  // answered No: divided
    EXPECT_EQ((Strings{std::string(65535, 'a'), piece}), Records(*cut.list));
}

TEST(LoadModes, ACrLfSplitBetweenTwoReadsStillEndsTheLine)
{
    // Lines of 100 bytes and CR LF; one line places its CR on the last byte
    // of a read, wherever the reader's reads end (powers of two).
    std::string bytes;
    std::vector<std::string> expected;
    for (std::size_t boundary = 1024; boundary <= (1u << 20); boundary *= 2) {
        while (bytes.size() + 102 < boundary) {
            bytes += std::string(100, 'x') + "\r\n";
            expected.push_back(std::string(100, 'x'));
        }
        const std::string line(boundary - 1 - bytes.size(), 'y');
        bytes += line + "\r\n";
        expected.push_back(line);
    }
    EXPECT_EQ(expected, Records(*LoadBytes(bytes, kModeDos).list));
    EXPECT_EQ(expected, Records(*LoadBytes(bytes).list));
}

TEST(LoadModes, UnixEndsLinesAtEveryLfAndKeepsCr)
{
    Loaded l = LoadBytes("a\r\n\nb", kModeUnix);
    EXPECT_EQ((Strings{"a\r", "", "b"}), Records(*l.list));
    EXPECT_EQ(3, l.list->totalBytes);
}

TEST(LoadModes, AFinalTerminatorGivesNoExtraEmptyRecord)
{
    EXPECT_EQ((Strings{"a", ""}), Records(*LoadBytes("a\n\n", kModeUnix).list));
    EXPECT_EQ((Strings{"a"}), Records(*LoadBytes("a\r\n", kModeDos).list));
}

TEST(LoadModes, ModeRequestThreeIsKeptAndRecognisesNoLineEnd)
{
    Loaded l = LoadBytes("a\nb\r\nc\r\n", 3);
    EXPECT_EQ(0, l.result);
    EXPECT_EQ(3, l.list->file.mode);
    // One record to the end of the file; its final CR LF is taken off as DOS.
    EXPECT_EQ((Strings{"a\nb\r\nc"}), Records(*l.list));
}

TEST(LoadModes, AWidthRequestWinsOverTheModeBits)
{
    Loaded l = LoadBytes("abcdefg\r\n", kModeDos, 3);
    EXPECT_EQ(kModeBinary, l.list->file.mode);
    EXPECT_EQ(3, l.list->file.recordWidth);
    EXPECT_EQ((Strings{"abc", "def", "g\r\n"}), Records(*l.list));
    // A negative width (only from a command line) reads 64-byte records.
    Loaded negative = LoadBytes(std::string(65, 'x'), kRequestAuto, -5);
    EXPECT_EQ(64, negative.list->file.recordWidth);
    EXPECT_EQ(2, negative.list->recordCount);
}

TEST(LoadFiles, AnEmptyFileGivesOneEmptyRecordUnderItsName)
{
    TempDir dir;
    const std::string path = dir.File("empty");
    WriteFileBytes(path, "");
    CRecordList list;
    EXPECT_EQ(0, list.Load(path, kRequestAuto, 0));
    EXPECT_EQ((Strings{""}), Records(list));
    EXPECT_EQ(path, list.fileName);
    EXPECT_EQ(kModeDos, list.file.mode);
    EXPECT_EQ(LoadOutcome::Loaded, list.loadOutcome);
    EXPECT_EQ(1, list.recordCount);
    EXPECT_EQ(0, list.totalBytes);
    CRecordList unix;
    EXPECT_EQ(0, unix.Load(path, kModeUnix, 0));
    EXPECT_EQ(kModeUnix, unix.file.mode);
}

TEST(LoadFiles, MissingFilesAndFoldersCannotBeOpened)
{
    TempDir dir;
    TestPlatform platform;
    CRecordList list;
    EXPECT_EQ(1, list.Load(dir.File("missing"), kRequestAuto, 0));
    EXPECT_EQ(0, list.recordCount);
    EXPECT_EQ(nullptr, list.head);
    EXPECT_EQ("", list.fileName);
    EXPECT_EQ(LoadOutcome::CannotOpen, list.loadOutcome);
    EXPECT_EQ(1, list.Load(dir.Path(), kRequestAuto, 0));
    EXPECT_EQ(LoadOutcome::CannotOpen, list.loadOutcome);
    EXPECT_TRUE(platform.messageBox.boxes.empty());  // the document says so
}

TEST(LoadFiles, TheFileStatusIsRecorded)
{
    TempDir dir;
    const std::string path = dir.File("data");
    WriteFileBytes(path, "12345\n");
    CRecordList list;
    EXPECT_EQ(0, list.Load(path, kRequestAuto, 0));
    EXPECT_EQ(6, list.file.status.size);
    EXPECT_GT(list.file.status.modifyTime, 0);
    EXPECT_GT(list.file.status.createTime, 0);
    EXPECT_EQ(-1, list.file.handle);  // closed again
}

}  // namespace
