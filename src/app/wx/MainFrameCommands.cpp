// The main frame's command handlers and update rules.
#include "app/wx/MainFrame.h"

#include <wx/log.h>
#include <wx/statusbr.h>
#include <wx/toolbar.h>
#include <wx/utils.h>

#include "app/AppMessages.h"
#include "app/Globals.h"
#include "app/MessageText.h"
#include "app/UndoCommand.h"
#include "app/wx/AppApp.h"
#include "app/wx/AppDoc.h"
#include "commands/ClipboardCommands.h"
#include "commands/FileDialogChoices.h"
#include "commands/wx/AdvanceDlg.h"
#include "commands/wx/FileDialogPath.h"
#include "commands/wx/FindReplaceDlg.h"
#include "commands/wx/JumpDlg.h"
#include "commands/wx/OpenFileDlg.h"
#include "commands/wx/SaveFileDlg.h"
#include "options/wx/OptionsCommand.h"
#include "options/wx/PropertiesDlg.h"
#include "platform/Platform.h"
#include "platform/wx/WxPaths.h"
#include "records/OpenMode.h"
#include "records/RecordList.h"
#include "records/UndoBuffer.h"
#include "resources/Strings.h"
#include "view/AppViewBase.h"

// --- File ---------------------------------------------------------------------

void CMainFrame::OnFileOpen(wxCommandEvent&) { OpenWithPrompt(); }

void CMainFrame::OpenWithPrompt()
{
    if (!theDoc) return;
    COpenFileDlg dialog(this);
    // Changes the user gives up are dropped only when another file is
    // actually opened, so that cancelling the dialog loses nothing.
    bool giveUpChanges = false;
    if (theDoc->IsModified()) {
        const std::string name = theRecordList && !theRecordList->fileName.empty()
                                     ? theRecordList->fileName
                                     : std::string(kUntitledName);
        switch (ShowMessage(FillInPlaceholder(kSaveChangesFormat, "%s", name), kSaveChangesCaption, MbIcon::Warning,
                            MbButtons::YesNoCancel, static_cast<wxWindow*>(this))) {
        case MbResult::Yes:
            // A save that failed or was cancelled keeps the document as it
            // is; offering a file that then could not be opened would only
            // mislead.
            if (!SaveCurrentDocument()) return;
            break;
        case MbResult::No: giveUpChanges = true; break;
        default: return;
        }
    }
    if (dialog.ShowModal() != wxID_OK) return;
    if (giveUpChanges) theDoc->SetModifiedFlag(false);
    if (!theDoc->OpenFile(ChosenPath(dialog), lastOpenMode, lastOpenWidth)) {
        // Refused for memory: the document, its changes included, stays.
        if (giveUpChanges) theDoc->SetModifiedFlag(true);
        return;
    }
    ResetView();
}

void CMainFrame::OnFileSave(wxCommandEvent&) { SaveCurrentDocument(); }

bool CMainFrame::SaveCurrentDocument()
{
    if (!theDoc) return false;
    if (theRecordList && !theRecordList->fileName.empty())
        return theDoc->OnSaveDocument(PathToWx(theRecordList->fileName));
    return SaveDocumentAs();
}

void CMainFrame::OnFileSaveAs(wxCommandEvent&) { SaveDocumentAs(); }

bool CMainFrame::SaveDocumentAs()
{
    if (!theDoc) return false;
    CSaveFileDlg dialog(this, theRecordList ? theRecordList->file.mode : kModeDos);
    if (dialog.ShowModal() != wxID_OK) return false;
    const bool saved = theDoc->SaveDocument(ChosenPath(dialog),
                                            static_cast<std::uint16_t>(dialog.saveFormat));
    UpdateModePanes();
    return saved;
}

// The framework's exit: it asks about saving a modified document and may be
// cancelled.
void CMainFrame::OnAppExit(wxCommandEvent&) { Close(); }

// --- Edit ---------------------------------------------------------------------

void CMainFrame::OnEditUndo(wxCommandEvent&)
{
    if (!theView || !theRecordList) return;
    if (!UndoLastEdit(*theView, theView->Edits())) return;
    ShowViewChanged();
}

void CMainFrame::OnUpdateEditUndo(wxUpdateUIEvent& event) { event.Enable(theUndoBuffer.CanUndo()); }

// Clipboard transfer: the commands change the document (all but Copy), then
// the status bar follows the caret and pane 0 tells what moved.
static void ShowClipboardResult(CMainFrame& frame, const std::string& message, bool documentChanged)
{
    if (documentChanged) frame.UpdateStatus();
    frame.SetMessage(message);
    frame.Refresh();
}

void CMainFrame::OnEditCut(wxCommandEvent&)
{
    std::string message;
    if (theView && theRecordList && CutSelection(*theView, theView->Edits(), theClipRecords, message))
        ShowClipboardResult(*this, message, true);
}

void CMainFrame::OnEditCopy(wxCommandEvent&)
{
    std::string message;
    if (theView && theRecordList && CopySelection(*theView, *theRecordList, theClipRecords, message))
        SetMessage(message);
}

void CMainFrame::OnEditPaste(wxCommandEvent&)
{
    std::string message;
    if (theView && theRecordList && PasteClipboard(*theView, theView->Edits(), theClipRecords, message))
        ShowClipboardResult(*this, message, true);
}

void CMainFrame::OnEditAdvance(wxCommandEvent&)
{
    if (!theView || !theRecordList || !theView->HasDocument()) return;
    CAdvanceDlg dialog(this, theView->caretRecord + 1, 0, theRecordList->recordCount);
    if (dialog.ShowModal() != wxID_OK) return;
    std::string message;
    if (TransferRecords(*theView, theView->Edits(), theClipRecords, dialog.startRecord, dialog.endRecord,
                        dialog.copyChosen, message))
        ShowClipboardResult(*this, message, !dialog.copyChosen);
    else
        Refresh();
}

// The modeless dialogs are made on first use and shown again afterwards.
void CMainFrame::OnEditFind(wxCommandEvent&)
{
    if (!findDialog) findDialog = new CFindReplaceDlg(this);
    findDialog->ShowAndFocus();
    findDialog->TakeSelection();
}

// --- View ---------------------------------------------------------------------

void CMainFrame::OnViewAscii(wxCommandEvent&)
{
    if (theView) theView->ToggleAscii();
}

void CMainFrame::OnViewHex(wxCommandEvent&)
{
    if (theView) theView->ToggleHex();
}

void CMainFrame::OnUpdateViewHex(wxUpdateUIEvent& event)
{
    event.Check(theView && theView->rowsPerRecord != 1);
}

void CMainFrame::OnViewSource(wxCommandEvent&)
{
    // The command is disabled for binary documents; an accelerator or a
    // stale toolbar state must not switch source mode on there either.
    if (theView && theRecordList && IsTextMode(theRecordList->file.mode)) theView->ToggleSource();
}

void CMainFrame::OnUpdateViewSource(wxUpdateUIEvent& event)
{
    const bool text = theRecordList && IsTextMode(theRecordList->file.mode);
    event.Enable(text);
    event.Check(text && theView && theView->sourceMode);
}

void CMainFrame::OnViewToolBar(wxCommandEvent&)
{
    if (!toolBar) return;
    toolBar->Show(!toolBar->IsShown());
    SendSizeEvent();
}

void CMainFrame::OnUpdateViewToolBar(wxUpdateUIEvent& event)
{
    event.Check(toolBar && toolBar->IsShown());
}

void CMainFrame::OnViewStatusBar(wxCommandEvent&)
{
    if (!statusBar) return;
    statusBar->Show(!statusBar->IsShown());
    SendSizeEvent();
}

void CMainFrame::OnUpdateViewStatusBar(wxUpdateUIEvent& event)
{
    event.Check(statusBar && statusBar->IsShown());
}

void CMainFrame::OnViewProperties(wxCommandEvent&)
{
    CPropertiesDlg dialog(this);
    dialog.ShowModal();
}

// --- Tools --------------------------------------------------------------------

void CMainFrame::OnToolsJump(wxCommandEvent&)
{
    if (!jumpDialog) jumpDialog = new CJumpDlg(this);
    jumpDialog->ShowAndFocus();
}

// Printing goes through the framework's print and preview handling, which
// asks the view for its printout.
void CMainFrame::OnFilePrint(wxCommandEvent& event)
{
    if (wxDocManager* manager = GetDocumentManager()) manager->OnPrint(event);
}

void CMainFrame::OnFilePrintPreview(wxCommandEvent& event)
{
    if (wxDocManager* manager = GetDocumentManager()) manager->OnPreview(event);
}

void CMainFrame::OnToolsOptions(wxCommandEvent&) { RunOptionsCommand(this); }

// --- Help ---------------------------------------------------------------------

void CMainFrame::OnHelpWeb(wxCommandEvent&)
{
    // A failure to start the browser is not reported.
    wxLogNull quiet;
    wxLaunchDefaultBrowser(kWebHelpAddress);
}
