#pragma once
#include <string>
#include <wx/docview.h>
#include <wx/timer.h>

class CFindReplaceDlg;
class CJumpDlg;
class wxStatusBar;
class wxToolBar;

// The main window: menu, toolbar, the eight-pane status bar and the view
// inside. Commands of the menu, toolbar and accelerators arrive here and are
// carried out through the view, the document and the dialogs.
class CMainFrame : public wxDocParentFrame {
public:
    // Status-bar panes, left to right.
    enum Pane { kMessagePane, kPositionPane, kHexPane, kFormatPane, kSourcePane, kInsertPane,
                kCapsPane, kNumPane, kPaneCount };

    CMainFrame();
    ~CMainFrame() override;

    // Creates the window with its menu, toolbar and status bar; false when
    // any of them cannot be made.
    bool Create(wxDocManager* manager, const wxString& title);

    // Shows the frame for a new or opened document: the view may lay out,
    // the data pane gets the focus, the autosave timer runs when autosave is
    // on, and a document with a file shows its full path as title.
    void ActivateFrame();
    // Resets the view to the start of the document (which refreshes the
    // status bar).
    void ResetView();

    // Panes 2 to 5 from the view's modes and the record list's format.
    void UpdateModePanes();
    // Panes 1 and 0 for the caret, the view's horizontal range and caret,
    // and the Find and Replace dialog.
    void UpdateStatus();
    // After a command changed the view's state: the status, and the whole
    // view repainted from that state.
    void ShowViewChanged();
    // A text in pane 0.
    void SetMessage(const std::string& text);
    // Starts (replacing a running one) or stops the autosave timer and
    // stores the choice in the autoSave setting.
    void SetAutoSave(bool on);

    // The text a pane shows now.
    wxString PaneText(int pane) const;
    bool AutoSaveTimerRunning() const { return autoSaveTimer_.IsRunning(); }

    // False from the view's construction until the frame's first
    // activation; the view lays out its panes only once it is true.
    bool layoutReady = false;
    // The modeless Find and Replace and Jump dialogs, made on first use.
    CFindReplaceDlg* findDialog = nullptr;
    CJumpDlg* jumpDialog = nullptr;
    wxStatusBar* statusBar = nullptr;
    wxToolBar* toolBar = nullptr;

    // File > Open, Save and Save As, as the commands run them. Save and
    // Save As answer whether the document was written.
    void OpenWithPrompt();
    bool SaveCurrentDocument();
    bool SaveDocumentAs();

private:
    bool CreateToolBarFromResource();
    bool CreateStatusBarFromResource();
    void SetPane(int pane, const wxString& text);
    void UpdateLockIndicators();
    void StartAutoSaveTimer();

    void OnAutoSaveTimer(wxTimerEvent& event);
    void OnIdle(wxIdleEvent& event);

    // Command handlers and update rules (MainFrameCommands.cpp).
    void OnFileOpen(wxCommandEvent& event);
    void OnFileSave(wxCommandEvent& event);
    void OnFileSaveAs(wxCommandEvent& event);
    void OnAppExit(wxCommandEvent& event);
    void OnEditUndo(wxCommandEvent& event);
    void OnUpdateEditUndo(wxUpdateUIEvent& event);
    void OnEditCut(wxCommandEvent& event);
    void OnEditCopy(wxCommandEvent& event);
    void OnEditPaste(wxCommandEvent& event);
    void OnEditAdvance(wxCommandEvent& event);
    void OnEditFind(wxCommandEvent& event);
    void OnViewAscii(wxCommandEvent& event);
    void OnViewHex(wxCommandEvent& event);
    void OnUpdateViewHex(wxUpdateUIEvent& event);
    void OnViewSource(wxCommandEvent& event);
    void OnUpdateViewSource(wxUpdateUIEvent& event);
    void OnViewToolBar(wxCommandEvent& event);
    void OnUpdateViewToolBar(wxUpdateUIEvent& event);
    void OnViewStatusBar(wxCommandEvent& event);
    void OnUpdateViewStatusBar(wxUpdateUIEvent& event);
    void OnViewProperties(wxCommandEvent& event);
    void OnToolsJump(wxCommandEvent& event);
    void OnFilePrint(wxCommandEvent& event);
    void OnFilePrintPreview(wxCommandEvent& event);
    void OnToolsOptions(wxCommandEvent& event);
    void OnHelpWeb(wxCommandEvent& event);

    wxTimer autoSaveTimer_;

    wxDECLARE_EVENT_TABLE();
};
