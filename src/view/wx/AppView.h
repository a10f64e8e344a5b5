#pragma once
#include <wx/docview.h>

// The editor view of the document.
class CAppView : public wxView {
public:
    bool OnCreate(wxDocument* doc, long flags) override;
    void OnDraw(wxDC* dc) override;
    // The frame shows "<document> - Tabulon", with "*" once modified.
    void OnChangeFilename() override;

private:
    wxDECLARE_DYNAMIC_CLASS(CAppView);
};
