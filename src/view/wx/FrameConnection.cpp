#include "view/wx/FrameConnection.h"

// The main frame does not offer its status panes and layout flag yet; until
// it does, layout is always allowed and the status calls report that the
// frame did nothing.
namespace frame_link {

bool LayoutReady(wxWindow*) { return true; }

void ClearLayoutReady(wxWindow*) {}

bool UpdateModePanes(wxWindow*) { return false; }

bool UpdateStatus(wxWindow*) { return false; }

bool SetMessage(wxWindow*, const std::string&) { return false; }

}  // namespace frame_link
