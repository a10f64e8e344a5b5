#include "app/wx/AppDoc.h"

#include "app/AppMessages.h"
#include "app/Globals.h"
#include "app/MessageText.h"
#include "app/wx/AppApp.h"
#include "app/wx/MainFrame.h"
#include "app/wx/StatusProgress.h"
#include "platform/CanonicalPath.h"
#include "platform/Platform.h"
#include "platform/SystemNames.h"
#include "platform/wx/WxPaths.h"
#include "records/DocumentRecords.h"
#include "records/OpenMode.h"
#include "records/RecordList.h"
#include "records/RecordMessages.h"
#include "records/RecoveryOffer.h"
#include "records/UndoBuffer.h"
#include "resources/Strings.h"
#include "view/AppViewBase.h"

wxIMPLEMENT_DYNAMIC_CLASS(CAppDoc, wxDocument);

namespace {

// How saving treats tabs: as the view's source mode and the settings say;
// without a view, as no source mode.
SourceOptions CurrentSourceOptions() { return theView ? theView->EditOptions() : SourceOptions{}; }

// Marks the document busy for as long as it exists.
class BusyScope {
public:
    explicit BusyScope(int& busy) : busy_(busy) { ++busy_; }
    ~BusyScope() { --busy_; }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

private:
    int& busy_;
};

}  // namespace

CAppDoc::CAppDoc()
{
    theDoc = this;
    theDocumentHooks = this;
}

CAppDoc::~CAppDoc()
{
    if (theDocumentHooks == this) theDocumentHooks = nullptr;
    if (theDoc == this) theDoc = nullptr;
    if (theRecordList == records_.get()) theRecordList = nullptr;
}

bool CAppDoc::IsModified() const { return wxDocument::IsModified(); }

void CAppDoc::SetModifiedFlag(bool modified) { Modify(modified); }

bool CAppDoc::OnNewDocument()
{
    if (IsModified()) return false;
    BusyScope busy(busy_);
    CAppApp& app = TheApp();
    if (theView) theView->ApplyOpenRequest(static_cast<std::uint16_t>(app.pendingFlags));
    app.pendingFlags = 0;
    app.pendingWidth = 0;
    bool recovered = false;
    if (!started_) {
        started_ = true;
        CStatusProgress progress(kReadingProgress);
        OpenedRecords opened = NewOfferingCopy(kUntitledName, &progress);
        recovered = opened.recovered;
        ReplaceRecords(std::move(opened.records));
    } else {
        ReplaceRecords(NewUntitledRecords());
    }
    SetUntitled();
    SetModifiedFlag(recovered);
    theUndoBuffer.Reset();
    return true;
}

bool CAppDoc::OnOpenDocument(const wxString& path)
{
    CAppApp& app = TheApp();
    const bool opened = OpenFile(PathFromWx(path), app.pendingFlags, app.pendingWidth);
    app.pendingFlags = 0;
    app.pendingWidth = 0;
    return opened;
}

bool CAppDoc::OpenFile(const std::string& path, std::uint32_t flags, std::int32_t width)
{
    if (IsModified()) return false;
    BusyScope busy(busy_);
    started_ = true;
    CWaitCursor wait;
    const bool sourceBefore = theView && theView->sourceMode;
    const std::int16_t rowsBefore = theView ? theView->rowsPerRecord : 1;
    if (theView) theView->ApplyOpenRequest(static_cast<std::uint16_t>(flags));
    std::string resolved = path;
    CanonicalPath(path, &resolved);

    // The previous records stay in place until the new ones are complete, so
    // that the view keeps showing a whole document while questions are open;
    // only their autosave copy and lock go first, so that reopening the same
    // file finds neither.
    if (records_) records_->LetGoOfRecoveryCopy();
    CStatusProgress progress(kReadingProgress);
    OpenedRecords opened = OpenOfferingCopy(resolved, static_cast<std::uint16_t>(flags), width, &progress);
    if (!opened.records) {
        // Too large for the memory (told): the document stays as it was (its
        // next autosave takes up its copy and lock again); without one yet
        // it is an untitled one.
        if (records_) {
            if (theView) {
                theView->sourceMode = sourceBefore;
                theView->rowsPerRecord = rowsBefore;
            }
            return false;
        }
        opened.records = NewUntitledRecords();
    }
    // Source mode makes no sense for binary records.
    if (opened.binary && theView) theView->sourceMode = false;
    const bool gotFile = opened.outcome == LoadOutcome::Loaded || opened.outcome == LoadOutcome::Partial;
    if (opened.outcome == LoadOutcome::CannotOpen)
        ShowMessage(FillIn(kFmtCannotOpen, resolved), kCapOops, MbIcon::Stop, MbButtons::Ok,
                    static_cast<wxWindow*>(theMainFrame));
    ReplaceRecords(std::move(opened.records));
    if (gotFile) SetPathName(resolved, false);
    else SetUntitled();
    SetModifiedFlag(opened.recovered);
    theUndoBuffer.Reset();
    return true;
}

void CAppDoc::MarkModified()
{
    if (!IsModified()) SetModifiedFlag(true);
}

void CAppDoc::ClearModified() { SetModifiedFlag(false); }

bool CAppDoc::SaveDocument(const std::string& path, std::uint16_t mode)
{
    if (!records_) return false;
    BusyScope busy(busy_);
    bool saved;
    {
        CWaitCursor wait;
        CStatusProgress progress(kSavingProgress);
        records_->progressSink = &progress;
        saved = records_->SaveWithMessage(path, mode, CurrentSourceOptions());
        records_->progressSink = nullptr;
    }
    if (!saved) return false;
    SetModifiedFlag(false);
    theUndoBuffer.Reset();
    SetPathName(path, true);
    return true;
}

bool CAppDoc::OnSaveDocument(const wxString& path)
{
    const std::uint16_t mode = records_ ? SaveModeFor(records_->file.mode) : kModeDos;
    return SaveDocument(PathFromWx(path), mode);
}

bool CAppDoc::OnSaveModified()
{
    if (!IsModified()) return true;
    std::string name = PathName();
    if (name.empty()) name = GetTitle().utf8_string();
    if (name.empty()) name = kUntitledName;
    const std::string text = FillInPlaceholder(kSaveModifiedFormat, "%1", name);
    switch (ShowMessage(text, kAppTitle, MbIcon::Warning, MbButtons::YesNoCancel,
                        static_cast<wxWindow*>(theMainFrame))) {
    case MbResult::Yes: return Save();
    case MbResult::No: SetModifiedFlag(false); return true;
    default: return false;
    }
}

bool CAppDoc::AutoSave()
{
    if (!IsModified()) return true;
    if (!records_) return false;
    BusyScope busy(busy_);
    CWaitCursor wait;
    return records_->SaveRecoveryCopy(CurrentSourceOptions());
}

bool CAppDoc::WriteCopyForExit()
{
    if (!records_) return true;
    if (!IsModified()) {
        records_->LetGoOfRecoveryCopy();
        return true;
    }
    records_->progressSink = nullptr;
    const bool written = records_->SaveRecoveryCopy(CurrentSourceOptions());
    records_->KeepRecoveryCopy();
    return written;
}

std::string CAppDoc::PathName() const { return PathFromWx(GetFilename()); }

void CAppDoc::SetPathName(const std::string& path, bool addToRecentFiles)
{
    const wxString name = PathToWx(path);
    SetTitle(TextToWx(path.substr(FileNameOffset(path))));
    SetDocumentSaved(true);
    SetFilename(name, true);
    if (addToRecentFiles && GetDocumentManager()) GetDocumentManager()->AddFileToHistory(name);
    // The lock follows the document to its new name.
    if (records_) records_->HoldInstanceLock();
}

void CAppDoc::SetUntitled()
{
    SetTitle(kUntitledName);
    SetDocumentSaved(false);
    SetFilename(wxString(), true);
}

void CAppDoc::ReplaceRecords(std::unique_ptr<CRecordList> records)
{
    std::unique_ptr<CRecordList> previous = std::move(records_);
    records_ = std::move(records);
    theRecordList = records_.get();
    previous.reset();
}
