#pragma once
#include "view/wx/GreyPaneWnd.h"

// The line-number pane ("Line") left of the data pane.
class CLineWnd : public CGreyPaneWnd {
public:
    static constexpr int kId = 302;

    CLineWnd(wxWindow* parent, CAppViewBase& view);

protected:
    void DrawPane(wxDC& dc) override;
    wxRect EdgeRect() const override;
};
