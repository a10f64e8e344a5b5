#pragma once
#include <string>

class wxWindow;

// The view's calls into the main frame, kept in one place: the status bar
// panes and the flag that allows the first layout.
namespace frame_link {

// Whether the frame has been activated, so the panes may be laid out.
bool LayoutReady(wxWindow* frame);
// Clears that flag, as a new view does.
void ClearLayoutReady(wxWindow* frame);

// Each answers false when the frame cannot do it, so the caller can do the
// view's part itself.
bool UpdateModePanes(wxWindow* frame);
bool UpdateStatus(wxWindow* frame);
bool SetMessage(wxWindow* frame, const std::string& text);

}  // namespace frame_link
