#pragma once
#include <wx/font.h>
#include <wx/window.h>

#include "view/DataPaneInput.h"
#include "view/DataPanePicture.h"
#include "view/GlyphAtlas.h"
#include "view/wx/ScreenPicture.h"

class CAppViewBase;

// The data pane ("EditData"): draws the records on screen from the view's
// state and hands its keyboard and mouse events to the view, through
// `input`, which keeps the drag and modifier state.
//
// Its picture stays in step with the view: after a change only the cells
// that differ are drawn and put on the screen, at once where the toolkit
// allows; a paint by the toolkit copies from the picture.
class CEditDataWnd : public wxWindow {
public:
    static constexpr int kId = 301;

    CEditDataWnd(wxWindow* parent, CAppViewBase& view);

    // The view's text font and cell size changed: draw the glyphs anew.
    void SetTextFont(const wxFont& font);

    // The view changed: the pane shows it once the event at hand is done.
    void ViewChanged();
    // Shows the view now: draws what changed and brings the screen in line.
    void ShowChanges();
    // Draws the whole pane anew and shows it now.
    void RepaintAll();

    // Caret handling for the view's host.
    void PlaceCaret(int x, int y, int width, int height);
    void HideCaretNow();

    CDataPaneInput input;
    bool caretShown = false;

private:
    void OnPaint(wxPaintEvent& event);
    void OnSetFocus(wxFocusEvent& event);
    void OnKillFocus(wxFocusEvent& event);
    void OnKeyDown(wxKeyEvent& event);
    void OnKeyUp(wxKeyEvent& event);
    void OnChar(wxKeyEvent& event);
    void OnLeftDown(wxMouseEvent& event);
    void OnMotion(wxMouseEvent& event);
    void OnLeftUp(wxMouseEvent& event);
    void OnLeftDoubleClick(wxMouseEvent& event);
    void OnCaptureLost(wxMouseCaptureLostEvent& event);

    // Tells the start-up probe what the screen now shows.
    void NotePainted() const;
    // Removes the caret and repaints where it was.
    void DropCaret();
    // Fits the picture and the glyphs to the window and its screen's
    // scale; whatever changed there is drawn anew.
    void FitPicture();

    CAppViewBase& view_;
    wxFont textFont_;
    CGlyphAtlas atlas_;
    bool glyphsStale_ = true;
    CDataPanePicture picture_;
    CScreenPicture screen_;
    bool changesPending_ = false;
};
