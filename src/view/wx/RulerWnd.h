#pragma once
#include "view/wx/GreyPaneWnd.h"

// The column ruler ("Ruler") above the data pane; it measures the caret
// record.
class CRulerWnd : public CGreyPaneWnd {
public:
    static constexpr int kId = 303;

    CRulerWnd(wxWindow* parent, CAppViewBase& view);

protected:
    void DrawPane(wxDC& dc) override;
    wxRect EdgeRect() const override;
};
