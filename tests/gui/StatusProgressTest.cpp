#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>
#include <wx/statusbr.h>

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

// The message pane's text at each repaint of the status bar: what the
// user saw while the work held the event loop.
class PaintedMessages {
public:
    explicit PaintedMessages(wxStatusBar* bar) : bar_(bar) { bar_->Bind(wxEVT_PAINT, &PaintedMessages::OnPaint, this); }
    ~PaintedMessages() { bar_->Unbind(wxEVT_PAINT, &PaintedMessages::OnPaint, this); }
    // Whether one of them was `action` with a percent.
    bool Showed(const std::string& action) const
    {
        for (const std::string& text : texts_)
            if (text.rfind(action + " ", 0) == 0 && text.back() == '%') return true;
        return false;
    }

private:
    void OnPaint(wxPaintEvent& event)
    {
        texts_.push_back(bar_->GetStatusText(CMainFrame::kMessagePane).utf8_string());
        event.Skip();
    }
    wxStatusBar* bar_;
    std::vector<std::string> texts_;
};

// The percent shows beside the action while a paced load and save run;
// afterwards the pane has its text back.
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
    PaintedMessages whileOpening(Frame().statusBar);
    const bool opened = Doc().OpenFile(dir.File("long.txt"), 2, 0);
    PaintedMessages whileSaving(Frame().statusBar);
    const bool saved = Doc().SaveDocument(dir.File("copy.txt"), 2);
    CProgressMeter::SetPacingForTesting(std::chrono::seconds(-1));
    ASSERT_TRUE(opened && saved);
    EXPECT_TRUE(whileOpening.Showed("Reading..."));
    EXPECT_TRUE(whileSaving.Showed("Saving..."));
    EXPECT_EQ(100000, theRecordList->recordCount);
    EXPECT_EQ("before", Message());
    EXPECT_EQ(bytes, ReadFileBytes(dir.File("copy.txt")));
}

}  // namespace
