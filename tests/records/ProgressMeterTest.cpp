#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

#include "records/OpenMode.h"
#include "records/ProgressMeter.h"
#include "records/RecordList.h"
#include "support/TempDir.h"
#include "support/TestPlatform.h"

namespace {

struct RecordingSink : IProgressSink {
    void ShowProgress(int percent) override { shown.push_back(percent); }
    void EndProgress() override { ++ended; }
    std::vector<int> shown;
    int ended = 0;
};

class ProgressPacing {
public:
    explicit ProgressPacing(CProgressMeter::Clock::duration delay) { CProgressMeter::SetPacingForTesting(delay); }
    ~ProgressPacing() { CProgressMeter::SetPacingForTesting(CProgressMeter::Clock::duration(-1)); }
};

TEST(ProgressMeter, SilentWhileShortAndEndedOnlyWhenShown)
{
    RecordingSink sink;
    {
        CProgressMeter quiet(&sink, 100, std::chrono::hours(1), std::chrono::seconds(0));
        quiet.Update(50);
        CProgressMeter meter(&sink, 200, std::chrono::seconds(0), std::chrono::seconds(0));
        for (int done : {2, 2, 100, 250}) meter.Update(static_cast<std::uint64_t>(done));
    }
    // A repeated percent is shown once; past the total counts as done.
    EXPECT_EQ((std::vector<int>{1, 50, 100}), sink.shown);
    EXPECT_EQ(1, sink.ended);
}

TEST(ProgressMeter, LoadAndSaveReportRisingPercentsThroughTheListsSink)
{
    ProgressPacing immediately(std::chrono::seconds(0));
    TestPlatform platform;
    TempDir dir;
    std::string bytes;
    for (int i = 0; i < 200000; ++i) bytes += "record " + std::to_string(i) + "\n";
    const std::string path = dir.File("many.txt");
    WriteFileBytes(path, bytes);
    RecordingSink sink;
    CRecordList list;
    list.progressSink = &sink;
    ASSERT_EQ(0, list.Load(path, kRequestAuto, 0));
    ASSERT_GE(sink.shown.size(), 2u);
    EXPECT_TRUE(std::is_sorted(sink.shown.begin(), sink.shown.end()));
    EXPECT_LE(sink.shown.back(), 100);
    EXPECT_EQ(1, sink.ended);

    sink.shown.clear();
    ASSERT_EQ(0, list.Save(false, path, kModeUnix));
    EXPECT_FALSE(sink.shown.empty());
    EXPECT_TRUE(std::is_sorted(sink.shown.begin(), sink.shown.end()));
    EXPECT_EQ(2, sink.ended);
    EXPECT_EQ(bytes, ReadFileBytes(path));
}

}  // namespace
