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

TEST(DocumentRecords, TheOpenRequestAndSettingsChooseSourceModeAndHex)
{
    ViewScope scope;
    ApplyOpenRequestToView(kRequestSource | kRequestHex);
    EXPECT_TRUE(scope.view.sourceMode);
    EXPECT_EQ(3, scope.view.rowsPerRecord);
    ApplyOpenRequestToView(0);
    EXPECT_FALSE(scope.view.sourceMode);
    EXPECT_EQ(1, scope.view.rowsPerRecord);
    theSettings.autoSource = true;
    theSettings.autoHex = true;
    ApplyOpenRequestToView(0);
    EXPECT_TRUE(scope.view.sourceMode);
    EXPECT_EQ(3, scope.view.rowsPerRecord);
    theView = nullptr;
    ApplyOpenRequestToView(kRequestSource);  // no view yet: nothing to set
}

}  // namespace
