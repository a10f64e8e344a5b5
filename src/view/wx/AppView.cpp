#include "view/wx/AppView.h"

#include <algorithm>
#include <wx/app.h>
#include <wx/dcclient.h>
#include <wx/region.h>
#include <wx/scrolbar.h>
#include <wx/settings.h>

#include "app/AppViewDocument.h"
#include "app/Globals.h"
#include "options/wx/AppPrintout.h"
#include "view/PaneLayout.h"
#include "view/wx/EditDataWnd.h"
#include "view/wx/FrameConnection.h"
#include "view/wx/LineWnd.h"
#include "view/wx/RulerWnd.h"
#include "view/wx/ViewFonts.h"

wxIMPLEMENT_DYNAMIC_CLASS(CAppView, wxView);

namespace {

ScrollCode ToScrollCode(wxEventType type)
{
    if (type == wxEVT_SCROLL_LINEUP) return ScrollCode::LineUp;
    if (type == wxEVT_SCROLL_LINEDOWN) return ScrollCode::LineDown;
    if (type == wxEVT_SCROLL_PAGEUP) return ScrollCode::PageUp;
    if (type == wxEVT_SCROLL_PAGEDOWN) return ScrollCode::PageDown;
    if (type == wxEVT_SCROLL_THUMBTRACK) return ScrollCode::ThumbTrack;
    if (type == wxEVT_SCROLL_THUMBRELEASE) return ScrollCode::ThumbPosition;
    return ScrollCode::Other;
}

const wxEventTypeTag<wxScrollEvent> kScrollEvents[] = {
    wxEVT_SCROLL_TOP,        wxEVT_SCROLL_BOTTOM,     wxEVT_SCROLL_LINEUP,
    wxEVT_SCROLL_LINEDOWN,   wxEVT_SCROLL_PAGEUP,     wxEVT_SCROLL_PAGEDOWN,
    wxEVT_SCROLL_THUMBTRACK, wxEVT_SCROLL_THUMBRELEASE, wxEVT_SCROLL_CHANGED};

// The bar takes int positions: past them rows are mapped in proportion
// (BarFor), and the view maps thumb positions back.
void ShowOnBar(wxScrollBar* bar, const ScrollBarState& state)
{
    if (!bar) return;
    const BarSetting shown = BarFor(state);
    if (bar->GetRange() == shown.range && bar->GetThumbSize() == shown.page &&
        bar->GetThumbPosition() == shown.position)
        return;
    bar->SetScrollbar(shown.position, shown.page, shown.range, shown.page);
#ifdef __WXGTK3__
    // GTK moves the thumb when it next lays the bar out; a paint before that
    // (any forced repaint of the window) draws the old thumb and takes the
    // redraw the new value asked for. So the bar is drawn again once the
    // layout is done, from the event loop.
    bar->CallAfter([bar] { bar->Refresh(); });
#endif
}

void Move(wxWindow* window, const PaneRect& r) { window->SetSize(r.x, r.y, r.width, r.height); }

}  // namespace

CAppView::CAppView()
{
    SetHost(this);
    AttachDocument(&AppWideViewDocument());
    theView = this;
}

CAppView::~CAppView()
{
    SetHost(nullptr);
    if (theView == this) theView = nullptr;
    if (HasPanes()) form->Destroy();
}

bool CAppView::OnCreate(wxDocument* doc, long flags)
{
    if (!wxView::OnCreate(doc, flags)) return false;
    wxWindow* frame = wxTheApp->GetTopWindow();
    SetFrame(frame);
    frame_link::ClearLayoutReady(frame);
    CreatePanes(frame);
    frame->SendSizeEvent();
    OnInitialUpdate();
    return true;
}

void CAppView::CreatePanes(wxWindow* frame)
{
    form = new wxWindow(frame, kFormId, wxDefaultPosition, wxDefaultSize,
                        wxBORDER_NONE | wxCLIP_CHILDREN, "View");
    form->SetBackgroundColour(wxSystemSettings::GetColour(wxSYS_COLOUR_BTNFACE));

    const ViewFonts fonts = CreateViewFonts();
    textFont = fonts.textFont;
    smallFont = fonts.smallFont;
    {
        wxClientDC dc(form.get());
        MeasureViewFonts(dc, fonts, *this);
    }

    rulerPane = new CRulerWnd(form, *this);
    linePane = new CLineWnd(form, *this);
    dataPane = new CEditDataWnd(form, *this);
    vertBar = new wxScrollBar(form, kVertBarId, wxDefaultPosition, wxDefaultSize, wxSB_VERTICAL);
    horzBar = new wxScrollBar(form, kHorzBarId, wxDefaultPosition, wxDefaultSize, wxSB_HORIZONTAL);
    rulerPane->SetFont(smallFont);
    linePane->SetFont(smallFont);
    dataPane->SetTextFont(textFont);

    form->Bind(wxEVT_SIZE, &CAppView::OnFormSize, this);
    for (const auto& type : kScrollEvents) {
        vertBar->Bind(type, &CAppView::OnVertScroll, this);
        horzBar->Bind(type, &CAppView::OnHorzScroll, this);
    }
    for (wxWindow* w : {form.get(), static_cast<wxWindow*>(dataPane), static_cast<wxWindow*>(linePane),
                        static_cast<wxWindow*>(rulerPane)})
        w->Bind(wxEVT_MOUSEWHEEL, &CAppView::OnWheel, this);
}

bool CAppView::OnClose(bool deleteWindow)
{
    if (!wxView::OnClose(deleteWindow)) return false;
    if (deleteWindow && HasPanes()) {
        SetHost(nullptr);
        form->Destroy();
        form = nullptr;
        dataPane = nullptr;
        linePane = nullptr;
        rulerPane = nullptr;
        vertBar = horzBar = nullptr;
    }
    return true;
}

void CAppView::OnDraw(wxDC*) { InvalidatePane(ViewPane::All); }

void CAppView::OnChangeFilename()
{
    wxWindow* frame = GetFrame();
    wxDocument* doc = GetDocument();
    if (!frame || !doc) return;
    wxString title = doc->GetDocumentManager()->MakeFrameTitle(doc);
    if (doc->IsModified()) title += "*";
    frame->SetLabel(title);
}

wxPrintout* CAppView::OnCreatePrintout() { return CreateDocumentPrintout(); }

void CAppView::LayoutPanes()
{
    if (!HasPanes() || !frame_link::LayoutReady(GetFrame())) return;
    const wxSize client = form->GetClientSize();
    const PaneLayout layout = ComputePaneLayout(client.x, client.y, vertBar->GetSize().x,
                                                horzBar->GetSize().y, lineWidth, rulerHeight);
    dataWidth = layout.dataWidth;
    dataHeight = layout.dataHeight;
    Move(rulerPane, layout.ruler);
    Move(linePane, layout.line);
    Move(dataPane, layout.data);
    Move(horzBar, layout.horzBar);
    Move(vertBar, layout.vertBar);
    const wxSize dataClient = dataPane->GetClientSize();
    OnDataPaneSized(dataClient.x, dataClient.y);
    InvalidatePane(ViewPane::All);
}

void CAppView::OnFormSize(wxSizeEvent& event)
{
    LayoutPanes();
    event.Skip();
}

void CAppView::OnVertScroll(wxScrollEvent& event)
{
    OnVScroll(ToScrollCode(event.GetEventType()), event.GetPosition());
}

void CAppView::OnHorzScroll(wxScrollEvent& event)
{
    OnHScroll(ToScrollCode(event.GetEventType()), event.GetPosition());
}

void CAppView::OnWheel(wxMouseEvent& event)
{
    if (event.GetWheelAxis() != wxMOUSE_WHEEL_VERTICAL) {
        event.Skip();
        return;
    }
    OnMouseWheel(event.GetWheelRotation());
}

// --- IViewHost ------------------------------------------------------------------

void CAppView::InvalidatePane(ViewPane pane)
{
    if (!HasPanes()) return;
    if ((pane == ViewPane::Data || pane == ViewPane::All) && dataPane) dataPane->ViewChanged();
    if ((pane == ViewPane::Line || pane == ViewPane::All) && linePane) linePane->ViewChanged();
    if ((pane == ViewPane::Ruler || pane == ViewPane::All) && rulerPane) rulerPane->ViewChanged();
    if (pane == ViewPane::All) {
        // The corners the panes leave uncovered; a refresh of the whole form
        // would have the toolkit repaint the panes as well.
        const wxSize size = form->GetClientSize();
        wxRegion uncovered(0, 0, size.x, size.y);
        for (const wxWindow* child : form->GetChildren()) uncovered.Subtract(child->GetRect());
        for (wxRegionIterator it(uncovered); it; ++it) form->RefreshRect(it.GetRect(), false);
    }
}

void CAppView::PlaceCaret(int x, int y, int width, int height)
{
    if (HasPanes()) dataPane->PlaceCaret(x, y, width, height);
}

void CAppView::HideCaretNow()
{
    if (HasPanes()) dataPane->HideCaretNow();
}

void CAppView::SetVertScrollBar(const ScrollBarState& bar)
{
    if (HasPanes()) ShowOnBar(vertBar, bar);
}

void CAppView::SetHorzScrollBar(const ScrollBarState& bar)
{
    if (HasPanes()) ShowOnBar(horzBar, bar);
}

void CAppView::UpdateModePanes() { frame_link::UpdateModePanes(GetFrame()); }

void CAppView::UpdateStatus()
{
    // The frame's refresh also recomputes the horizontal range and places
    // the caret; without it the view does that part.
    if (frame_link::UpdateStatus(GetFrame())) return;
    UpdateHScrollRange();
    UpdateCaret();
}

void CAppView::SetMessage(const std::string& text) { frame_link::SetMessage(GetFrame(), text); }
