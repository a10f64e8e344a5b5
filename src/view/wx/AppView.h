#pragma once
#include <wx/docview.h>
#include <wx/font.h>
#include <wx/weakref.h>

#include "view/AppViewBase.h"
#include "view/ViewHost.h"

class CEditDataWnd;
class CLineWnd;
class CRulerWnd;
class wxScrollBar;
class wxScrollEvent;

// The editor view of the document: the view state and operations of
// CAppViewBase on screen. It owns a form window in the frame's client area
// that holds the data pane, the line-number pane, the ruler and two scroll
// bars, lays them out itself and is their host.
class CAppView : public wxView, public CAppViewBase, private IViewHost {
public:
    static constexpr int kFormId = 300;
    static constexpr int kVertBarId = 304;
    static constexpr int kHorzBarId = 305;

    CAppView();
    ~CAppView() override;

    bool OnCreate(wxDocument* doc, long flags) override;
    bool OnClose(bool deleteWindow) override;
    // Repaints the panes; the view itself draws nothing.
    void OnDraw(wxDC* dc) override;
    // The frame shows "<document> - Tabulon", with "*" once modified.
    void OnChangeFilename() override;
    // The document's pages for Print and Print Preview.
    wxPrintout* OnCreatePrintout() override;

    // Places the panes and bars in the form's client area (once the frame
    // allows layout) and sets the page size from the data pane.
    void LayoutPanes();

    // The form and its children go away with the frame, which may happen
    // before the view is deleted; the weak reference notices.
    wxWeakRef<wxWindow> form;
    CEditDataWnd* dataPane = nullptr;
    CLineWnd* linePane = nullptr;
    CRulerWnd* rulerPane = nullptr;
    wxScrollBar* vertBar = nullptr;
    wxScrollBar* horzBar = nullptr;
    wxFont textFont;
    wxFont smallFont;

private:
    // Whether the panes still exist.
    bool HasPanes() const { return form.get() != nullptr; }
    void CreatePanes(wxWindow* frame);
    void OnFormSize(wxSizeEvent& event);
    void OnVertScroll(wxScrollEvent& event);
    void OnHorzScroll(wxScrollEvent& event);
    void OnWheel(wxMouseEvent& event);

    // IViewHost
    void InvalidatePane(ViewPane pane) override;
    void PlaceCaret(int x, int y, int width, int height) override;
    void HideCaretNow() override;
    void SetVertScrollBar(const ScrollBarState& bar) override;
    void SetHorzScrollBar(const ScrollBarState& bar) override;
    void UpdateModePanes() override;
    void UpdateStatus() override;
    void SetMessage(const std::string& text) override;

    wxDECLARE_DYNAMIC_CLASS(CAppView);
};
