#include "app/wx/MainFrame.h"

#include <cstdlib>
#include <wx/dialog.h>
#include <wx/iconbndl.h>
#include <wx/menu.h>
#include <wx/statusbr.h>
#include <wx/toolbar.h>
#include <wx/utils.h>

#include "app/AppMessages.h"
#include "app/Globals.h"
#include "app/StatusPanes.h"
#include "app/StatusTexts.h"
#include "app/wx/AppDoc.h"
#include "app/wx/FrameResources.h"
#include "commands/wx/FindReplaceDlg.h"
#include "platform/wx/WxPaths.h"
#include "records/RecordList.h"
#include "resources/Images.h"
#include "resources/ResourceIds.h"
#include "resources/StringTable.h"
#include "view/AppViewBase.h"
#include "view/wx/AppView.h"
#include "view/wx/EditDataWnd.h"


wxBEGIN_EVENT_TABLE(CMainFrame, wxDocParentFrame)
    EVT_TIMER(AUTOSAVE_TIMER, CMainFrame::OnAutoSaveTimer)
    EVT_IDLE(CMainFrame::OnIdle)
    EVT_MENU(ToolkitId(ID_FILE_OPEN), CMainFrame::OnFileOpen)
    EVT_MENU(ToolkitId(ID_FILE_SAVE_DOC), CMainFrame::OnFileSave)
    EVT_MENU(ToolkitId(ID_FILE_SAVE_AS_DOC), CMainFrame::OnFileSaveAs)
    EVT_MENU(ToolkitId(ID_APP_EXIT), CMainFrame::OnAppExit)
    EVT_MENU(ToolkitId(ID_EDIT_UNDO_LAST), CMainFrame::OnEditUndo)
    EVT_UPDATE_UI(ToolkitId(ID_EDIT_UNDO_LAST), CMainFrame::OnUpdateEditUndo)
    EVT_MENU(ToolkitId(ID_EDIT_CUT), CMainFrame::OnEditCut)
    EVT_MENU(ToolkitId(ID_EDIT_COPY), CMainFrame::OnEditCopy)
    EVT_MENU(ToolkitId(ID_EDIT_PASTE), CMainFrame::OnEditPaste)
    EVT_MENU(ToolkitId(ID_EDIT_ADVANCE), CMainFrame::OnEditAdvance)
    EVT_MENU(ToolkitId(ID_EDIT_FIND), CMainFrame::OnEditFind)
    EVT_MENU(ToolkitId(ID_VIEW_ASCII), CMainFrame::OnViewAscii)
    EVT_MENU(ToolkitId(ID_VIEW_HEX), CMainFrame::OnViewHex)
    EVT_UPDATE_UI(ToolkitId(ID_VIEW_HEX), CMainFrame::OnUpdateViewHex)
    EVT_MENU(ToolkitId(ID_VIEW_SOURCE), CMainFrame::OnViewSource)
    EVT_UPDATE_UI(ToolkitId(ID_VIEW_SOURCE), CMainFrame::OnUpdateViewSource)
    EVT_MENU(ToolkitId(ID_VIEW_TOOLBAR), CMainFrame::OnViewToolBar)
    EVT_UPDATE_UI(ToolkitId(ID_VIEW_TOOLBAR), CMainFrame::OnUpdateViewToolBar)
    EVT_MENU(ToolkitId(ID_VIEW_STATUS_BAR), CMainFrame::OnViewStatusBar)
    EVT_UPDATE_UI(ToolkitId(ID_VIEW_STATUS_BAR), CMainFrame::OnUpdateViewStatusBar)
    EVT_MENU(ToolkitId(ID_VIEW_PROPERTIES), CMainFrame::OnViewProperties)
    EVT_MENU(ToolkitId(ID_TOOLS_JUMP), CMainFrame::OnToolsJump)
    EVT_MENU(ToolkitId(ID_FILE_PRINT), CMainFrame::OnFilePrint)
    EVT_MENU(ToolkitId(ID_FILE_PRINT_PREVIEW), CMainFrame::OnFilePrintPreview)
    EVT_MENU(ToolkitId(ID_TOOLS_OPTIONS), CMainFrame::OnToolsOptions)
    EVT_MENU(ToolkitId(ID_HELP_WEB), CMainFrame::OnHelpWeb)
wxEND_EVENT_TABLE()

CMainFrame::CMainFrame() : autoSaveTimer_(this, AUTOSAVE_TIMER) { theMainFrame = this; }

CMainFrame::~CMainFrame()
{
    autoSaveTimer_.Stop();
    // The modeless dialogs are children of the frame and go with it.
    findDialog = nullptr;
    jumpDialog = nullptr;
    if (theMainFrame == this) theMainFrame = nullptr;
}

bool CMainFrame::Create(wxDocManager* manager, const wxString& title)
{
    if (!wxDocParentFrame::Create(manager, nullptr, wxID_ANY, title, wxDefaultPosition, wxSize(640, 480)))
        return false;
    SetIcon(wxIcon(ProgramIcon()));
    SetMenuBar(BuildMainMenuBar());
    SetAcceleratorTable(BuildExtraAccelerators());
    if (!CreateToolBarFromResource()) return false;
    if (!CreateStatusBarFromResource()) return false;
    SetMinSize(wxSize(320, 240));
    return true;
}

bool CMainFrame::CreateToolBarFromResource()
{
    toolBar = CreateToolBar(wxTB_HORIZONTAL | wxTB_FLAT | wxTB_TOP, wxID_ANY, "Toolbar");
    if (!toolBar) return false;
    toolBar->SetLabel("Toolbar");
    AddMainToolbarButtons(toolBar);
    return toolBar->Realize();
}

bool CMainFrame::CreateStatusBarFromResource()
{
    statusBar = CreateStatusBar(kPaneCount, wxSTB_DEFAULT_STYLE, wxID_ANY);
    if (!statusBar) return false;
    // Pane 1 is as wide as its widest text (a record number of 13 digits,
    // more records than memory holds), panes 2 to 7 as wide as pane 7's
    // "NUM"; pane 0 takes the rest.
    const int margin = 2 * statusBar->GetBorderX() + 12;
    const int posWidth = statusBar->GetTextExtent(kWidestPositionText).x + margin;
    const int modeWidth = statusBar->GetTextExtent(LoadResourceString(ID_INDICATOR_NUM)).x + margin;
    const int widths[kPaneCount] = {-1, posWidth, modeWidth, modeWidth, modeWidth, modeWidth,
                                    modeWidth, modeWidth};
    statusBar->SetStatusWidths(kPaneCount, widths);
    SetStatusBarPane(kMessagePane);
    SetPane(kMessagePane, LoadResourceString(AFX_IDS_IDLEMESSAGE));
    SetPane(kPositionPane, LoadResourceString(ID_INDICATOR_POS));
    SetPane(kHexPane, LoadResourceString(ID_INDICATOR_HEX));
    SetPane(kFormatPane, LoadResourceString(ID_INDICATOR_FMT));
    SetPane(kSourcePane, LoadResourceString(ID_INDICATOR_SRC));
    SetPane(kInsertPane, LoadResourceString(ID_INDICATOR_INS));
    UpdateLockIndicators();
    return true;
}

void CMainFrame::SetPane(int pane, const wxString& text)
{
    if (statusBar && statusBar->GetStatusText(pane) != text) statusBar->SetStatusText(text, pane);
}

wxString CMainFrame::PaneText(int pane) const
{
    return statusBar ? statusBar->GetStatusText(pane) : wxString();
}

void CMainFrame::ActivateFrame()
{
    Show(true);
    Raise();
    layoutReady = true;
    // The view may have been sized while layout was not yet allowed; lay it
    // out now rather than wait for the next size change.
    SendSizeEvent();
    if (auto* view = theDoc ? dynamic_cast<CAppView*>(theDoc->GetFirstView()) : nullptr) {
        view->LayoutPanes();
        if (view->dataPane) view->dataPane->SetFocus();
    }
    if (theSettings.autoSave) StartAutoSaveTimer();
    if (theDoc && theRecordList && !theRecordList->fileName.empty()) {
        theDoc->SetTitle(TextToWx(theRecordList->fileName));
        if (wxView* view = theDoc->GetFirstView()) view->OnChangeFilename();
    }
}

void CMainFrame::ResetView()
{
    if (theView) {
        theView->OnInitialUpdate();
    } else {
        UpdateModePanes();
        UpdateStatus();
    }
}

void CMainFrame::UpdateModePanes()
{
    const auto texts = ModePaneTexts(theView, theRecordList);
    for (int i = 0; i < 4; ++i) SetPane(kHexPane + i, texts[i]);
}

void CMainFrame::UpdateStatus()
{
    const CaretPaneTexts texts = CaretStatusTexts(theView);
    SetPane(kPositionPane, texts.position);
    SetPane(kMessagePane, BytesToWx(texts.message));
    if (theView) {
        theView->UpdateHScrollRange();
        theView->UpdateCaret();
    }
    if (findDialog) findDialog->CaretMoved();
}

void CMainFrame::ShowViewChanged()
{
    UpdateStatus();
    Refresh();
}

void CMainFrame::SetMessage(const std::string& text) { SetPane(kMessagePane, BytesToWx(text)); }

namespace {

// TABULON_AUTOSAVE_MS shortens the period for the tests that end a running
// program after its autosave.
int AutoSavePeriodMs()
{
    static const int period = [] {
        const char* text = std::getenv("TABULON_AUTOSAVE_MS");
        const int ms = text ? std::atoi(text) : 0;
        return ms > 0 ? ms : kAutoSavePeriodMs;
    }();
    return period;
}

}  // namespace

void CMainFrame::StartAutoSaveTimer() { autoSaveTimer_.Start(AutoSavePeriodMs()); }

void CMainFrame::SetAutoSave(bool on)
{
    if (on) StartAutoSaveTimer();
    else autoSaveTimer_.Stop();
    theSettings.autoSave = on;
}

void CMainFrame::OnAutoSaveTimer(wxTimerEvent&)
{
    if (!theDoc || !theDoc->IsModified()) return;
    SetMessage(kAutosaving);
    if (statusBar) statusBar->Update();  // shown while the copy is written
    const bool saved = theDoc->AutoSave();
    SetMessage(saved ? kAutosaveComplete : kAutosaveFailed);
}

void CMainFrame::UpdateLockIndicators()
{
    SetPane(kCapsPane, wxGetKeyState(WXK_CAPITAL) ? LoadResourceString(ID_INDICATOR_CAPS) : "");
    SetPane(kNumPane, wxGetKeyState(WXK_NUMLOCK) ? LoadResourceString(ID_INDICATOR_NUM) : "");
}

void CMainFrame::OnIdle(wxIdleEvent& event)
{
    UpdateLockIndicators();
    event.Skip();
}
