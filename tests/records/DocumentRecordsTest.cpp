#include <gtest/gtest.h>

#include "records/DocumentRecords.h"
#include "records/OpenMode.h"
#include "records/RecordTestHelpers.h"
#include "support/TempDir.h"
#include "support/TestPlatform.h"

namespace {

TEST(DocumentRecords, ANewDocumentIsOneEmptyUntitledDosRecord)
{
    auto records = NewUntitledRecords();
    ASSERT_NE(nullptr, records);
    EXPECT_EQ(std::vector<std::string>{""}, Records(*records));
    EXPECT_EQ("", records->fileName);
    EXPECT_EQ(kModeDos, records->file.mode);
    EXPECT_EQ(0, records->file.status.createTime);
}

TEST(DocumentRecords, OpeningKeepsWhatWasReadAndFallsBackWhenNothingWas)
{
    TempDir dir;
    TestPlatform platform;
    const std::string path = dir.File("data.txt");
    WriteFileBytes(path, "one\ntwo\n");
    OpenedRecords opened = OpenRecords(path, kModeUnix | kRequestHex, 0);
    EXPECT_EQ(LoadOutcome::Loaded, opened.outcome);
    EXPECT_EQ((std::vector<std::string>{"one", "two"}), Records(*opened.records));
    EXPECT_EQ(path, opened.records->fileName);

    OpenedRecords missing = OpenRecords(dir.File("missing"), kRequestAuto, 0);
    EXPECT_EQ(LoadOutcome::CannotOpen, missing.outcome);
    EXPECT_EQ(std::vector<std::string>{""}, Records(*missing.records));
    EXPECT_EQ("", missing.records->fileName);
    EXPECT_EQ(kModeDos, missing.records->file.mode);
    EXPECT_TRUE(platform.messageBox.boxes.empty());  // the caller says "Cannot open"
}

// Source mode makes no sense for binary records: the document turns it off
// when the file opened as binary, even when a long line made it so.
TEST(DocumentRecords, OpeningTellsWhetherTheRecordsAreBinary)
{
    TempDir dir;
    TestPlatform platform;
    const std::string path = dir.File("data.txt");
    WriteFileBytes(path, "text\n");
    EXPECT_FALSE(OpenRecords(path, kModeUnix, 0).binary);
    EXPECT_TRUE(OpenRecords(path, kModeUnix, 16).binary);
    EXPECT_FALSE(OpenRecords(dir.File("missing"), kRequestAuto, 0).binary);
    WriteFileBytes(path, "short\n" + std::string(70000, 'a') + "\n");
    platform.messageBox.Answer(MbResult::Yes);  // load as binary
    EXPECT_TRUE(OpenRecords(path, kModeUnix, 0).binary);
}

}  // namespace
