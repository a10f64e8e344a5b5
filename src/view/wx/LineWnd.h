#pragma once
#include <wx/bitmap.h>
#include <wx/window.h>

class CAppViewBase;

// The line-number pane ("Line") left of the data pane.
class CLineWnd : public wxWindow {
public:
    static constexpr int kId = 302;

    CLineWnd(wxWindow* parent, CAppViewBase& view);

    void PaintTo(wxDC& dc);

private:
    void OnPaint(wxPaintEvent& event);

    CAppViewBase& view_;
    wxBitmap bitmap_;
};
