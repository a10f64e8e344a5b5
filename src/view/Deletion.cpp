// Deleting at the caret (Delete and Backspace) and keeping the view's held
// records right when an edit adds or removes records.
#include "app/DocumentHooks.h"
#include "app/Globals.h"
#include "platform/Platform.h"
#include "records/RecordList.h"
#include "records/RecordMessages.h"
#include "view/AppViewBase.h"
#include "records/UndoBuffer.h"
#include "view/RecordAccess.h"

namespace rec = view_records;

namespace {

// Joins `upper` with its follower. False, with the user told, when the
// merged record would be too long (or memory ran out, which the record list
// reports itself).
bool JoinWithMessage(RecordNode* upper)
{
    if (rec::Length(upper) + rec::Length(rec::Next(upper)) > kMaxRecordLength) {
        ShowMessage(kMsgMergedTooLarge, kCapLineTooLong, MbIcon::Warning);
        return false;
    }
    return theRecordList->JoinNext(upper) != nullptr;
}

}  // namespace

bool CAppViewBase::DeleteAtCaret()
{
    if (!theRecordList || !caretNode) return false;
    const int rowInRecord = caretRow % rowsPerRecord;
    const int length = rec::Length(caretNode);

    if (caretByte < 0) {
        // Backspace at the start of a record: join it to the one before.
        RecordNode* previous = caretNode->prev;
        if (!previous) {
            caretByte = 0;  // the start of the document: nothing to delete
            return false;
        }
        const int joinColumn = rec::Length(previous);
        if (!JoinWithMessage(previous)) {
            caretByte = 0;
            return false;
        }
        caretNode = previous;
        caretByte = joinColumn;
        --caretRecord;
        KeepTopAcrossEdit(caretRecord, caretRecord + 1, -1, caretNode);
        theUndoBuffer.RecordJoin(caretRecord, caretByte);
        UpdateVScrollRange();
    } else if (caretByte < length) {
        const std::uint8_t deleted = caretNode->data[caretByte];
        if (!theRecordList->Splice(caretNode, caretByte, 1, nullptr, 0)) return false;
        theUndoBuffer.RecordDeletedChar(caretRecord, caretByte, deleted);
    } else {
        // At the end of a record: join the next one to it; at the end of
        // the document there is nothing to delete.
        if (!rec::Next(caretNode) || !JoinWithMessage(caretNode)) return false;
        KeepTopAcrossEdit(caretRecord, caretRecord + 1, -1, caretNode);
        theUndoBuffer.RecordJoin(caretRecord, caretByte);
        UpdateVScrollRange();
    }
    CaretToDisplay(caretRecord, rowInRecord, caretByte, caretRow, caretCol);
    return true;
}

void CAppViewBase::KeepTopAcrossEdit(int firstRecord, int lastRecordBefore, int shift,
                                     RecordNode* nodeAtFirst)
{
    if (topRecord < firstRecord) return;
    const int oldTopRecord = topRecord;
    if (topRecord > lastRecordBefore) {
        topRecord += shift;  // the same node, now at another index
    } else {
        topRecord = firstRecord;  // its node may be gone
        topNode = nodeAtFirst;
    }
    topRow += (topRecord - oldTopRecord) * rowsPerRecord;
    vertScroll.position = topRow;  // shown by the UpdateVScrollRange that follows
}

void CAppViewBase::FinishEdit()
{
    MarkDocumentModified();
    EnsureCaretVisible(false);
    Host().InvalidatePane(ViewPane::All);
    Host().UpdateStatus();
}
