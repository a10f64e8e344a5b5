#include "view/wx/FrameConnection.h"

#include "app/wx/MainFrame.h"

// The view reaches the main frame's status panes and layout flag here; a
// window that is not the main frame lays out freely and shows no status.
namespace frame_link {

namespace {
CMainFrame* MainFrameOf(wxWindow* frame) { return dynamic_cast<CMainFrame*>(frame); }
}  // namespace

bool LayoutReady(wxWindow* frame)
{
    CMainFrame* main = MainFrameOf(frame);
    return !main || main->layoutReady;
}

void ClearLayoutReady(wxWindow* frame)
{
    if (CMainFrame* main = MainFrameOf(frame)) main->layoutReady = false;
}

bool UpdateModePanes(wxWindow* frame)
{
    CMainFrame* main = MainFrameOf(frame);
    if (main) main->UpdateModePanes();
    return main != nullptr;
}

bool UpdateStatus(wxWindow* frame)
{
    CMainFrame* main = MainFrameOf(frame);
    if (main) main->UpdateStatus();
    return main != nullptr;
}

bool SetMessage(wxWindow* frame, const std::string& text)
{
    CMainFrame* main = MainFrameOf(frame);
    if (main) main->SetMessage(text);
    return main != nullptr;
}

}  // namespace frame_link
