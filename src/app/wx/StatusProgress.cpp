#include "app/wx/StatusProgress.h"

#include <wx/statusbr.h>

#include "app/Globals.h"
#include "app/wx/MainFrame.h"

void CStatusProgress::ShowProgress(int percent)
{
    if (!theMainFrame) return;
    if (!shown_) before_ = theMainFrame->PaneText(CMainFrame::kMessagePane);
    shown_ = true;
    theMainFrame->SetMessage(std::string(action_) + " " + std::to_string(percent) + "%");
    if (theMainFrame->statusBar) theMainFrame->statusBar->Update();
}

void CStatusProgress::EndProgress()
{
    if (!shown_ || !theMainFrame) return;
    shown_ = false;
    if (theMainFrame->statusBar) theMainFrame->statusBar->SetStatusText(before_, CMainFrame::kMessagePane);
}
