#pragma once
#include <wx/bitmap.h>
#include <wx/window.h>

class CAppViewBase;

// The column ruler ("Ruler") above the data pane; it measures the caret
// record.
class CRulerWnd : public wxWindow {
public:
    static constexpr int kId = 303;

    CRulerWnd(wxWindow* parent, CAppViewBase& view);

    void PaintTo(wxDC& dc);

private:
    void OnPaint(wxPaintEvent& event);

    CAppViewBase& view_;
    wxBitmap bitmap_;
};
