#include "view/wx/LineWnd.h"

#include <wx/dc.h>

#include "view/AppViewBase.h"
#include "view/LineNumbers.h"

CLineWnd::CLineWnd(wxWindow* parent, CAppViewBase& view) : CGreyPaneWnd(parent, kId, "Line", view) {}

wxRect CLineWnd::EdgeRect() const { return wxRect(0, 0, view_.lineWidth - 1, view_.dataHeight); }

void CLineWnd::DrawPane(wxDC& dc)
{
    for (const LineNumberLabel& label : LineNumberLabels(view_, view_.RecordCount()))
        dc.DrawText(label.text, label.x, label.y);
}
