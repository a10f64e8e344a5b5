#pragma once
#include <wx/docview.h>

// Names new documents "Untitled" and builds window titles as
// "<document> - Tabulon".
class CAppDocManager : public wxDocManager {
public:
    wxString MakeNewDocumentName() override;
    wxString MakeFrameTitle(wxDocument* doc) override;
};
