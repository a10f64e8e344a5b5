#include <gtest/gtest.h>

#include <chrono>
#include <string>

#include "app/Globals.h"
#include "app/wx/AppDoc.h"
#include "app/wx/MainFrame.h"
#include "app/wx/StatusProgress.h"
#include "gui/ShellFixture.h"
#include "records/ProgressMeter.h"
#include "records/RecordList.h"

namespace {

class StatusProgress : public ShellTest {
protected:
    std::string Message() { return Frame().PaneText(CMainFrame::kMessagePane).utf8_string(); }
};

// The percent shows beside the action; a load and a save that report from
// their first step give the pane its text back.
TEST_F(StatusProgress, ShowsThePercentAndPutsTheMessageBack)
{
    CStatusProgress("Reading...").ShowProgress(42);
    EXPECT_EQ("Reading... 42%", Message());
    Frame().SetMessage("before");
    CProgressMeter::SetPacingForTesting(std::chrono::seconds(0));
    std::string bytes;
    for (int i = 0; i < 100000; ++i) bytes += "line " + std::to_string(i) + "\n";
    WriteFileBytes(dir.File("long.txt"), bytes);
    Doc().SetModifiedFlag(false);
    const bool opened = Doc().OpenFile(dir.File("long.txt"), 2, 0);
    const bool saved = Doc().SaveDocument(dir.File("copy.txt"), 2);
    CProgressMeter::SetPacingForTesting(std::chrono::seconds(-1));
    ASSERT_TRUE(opened && saved);
    EXPECT_EQ(100000, theRecordList->recordCount);
    EXPECT_EQ("before", Message());
    EXPECT_EQ(bytes, ReadFileBytes(dir.File("copy.txt")));
}

}  // namespace
