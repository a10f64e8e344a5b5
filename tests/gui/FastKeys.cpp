#include "gui/FastKeys.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <wx/dialog.h>
#include <wx/timer.h>

#include "gui/GuiApp.h"

namespace {

wxWindow* focusTarget = nullptr;

}  // namespace

void TypeFast(const std::string& keycodes)
{
    ASSERT_EQ(0, std::system(("xdotool key --delay 0 " + keycodes).c_str()));
}

void FocusOn(wxTopLevelWindow& window, wxWindow* control)
{
    ASSERT_NE(nullptr, control);
    control->SetFocus();
    focusTarget = control;
    const std::string title = window.GetTitle().utf8_string();
    ASSERT_EQ(0, std::system(("xdotool search --onlyvisible --name '^" + title + "$' windowfocus --sync").c_str()));
    ASSERT_TRUE(GuiApp::RunUntil([] {
        return focusTarget->HasFocus() && static_cast<wxTopLevelWindow*>(wxGetTopLevelParent(focusTarget))->IsActive();
    }));
}

int ShowModalUntil(wxDialog& dialog)
{
    wxTimer deadline;
    deadline.Bind(wxEVT_TIMER, [&dialog](wxTimerEvent&) { dialog.EndModal(wxID_CANCEL); });
    deadline.StartOnce(5000);
    return dialog.ShowModal();
}
