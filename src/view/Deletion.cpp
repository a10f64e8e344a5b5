// Deleting at the caret (Delete and Backspace) and keeping the view's held
// records right when an edit adds or removes records.
#include "records/RecordEdits.h"
#include "view/AppViewBase.h"
#include "view/RecordAccess.h"

namespace rec = view_records;

bool CAppViewBase::DeleteAtCaret()
{
    if (!Records() || !caretNode) return false;
    const int rowInRecord = static_cast<int>(caretRow % rowsPerRecord);
    const int length = rec::Length(caretNode);

    if (caretByte < 0) {
        // Backspace at the start of a record: join it to the one before.
        RecordNode* previous = caretNode->prev;
        if (!previous) {
            caretByte = 0;  // the start of the document: nothing to delete
            return false;
        }
        const int joinColumn = rec::Length(previous);
        // Refused when the merged record would be too long (the user is told).
        if (!Edits().JoinNext(previous, caretRecord - 1)) {
            caretByte = 0;
            return false;
        }
        caretNode = previous;
        caretByte = joinColumn;
        --caretRecord;
        KeepTopAcrossEdit(caretRecord, caretRecord + 1, -1, caretNode);
        UpdateVScrollRange();
    } else if (caretByte < length) {
        if (!Edits().DeleteByte(caretNode, caretRecord, caretByte)) return false;
    } else {
        // At the end of a record: join the next one to it; at the end of
        // the document there is nothing to delete.
        if (!Edits().JoinNext(caretNode, caretRecord)) return false;
        KeepTopAcrossEdit(caretRecord, caretRecord + 1, -1, caretNode);
        UpdateVScrollRange();
    }
    CaretToDisplay(caretRecord, rowInRecord, caretByte, caretRow, caretCol);
    return true;
}

void CAppViewBase::KeepTopAcrossEdit(RecordIndex firstRecord, RecordIndex lastRecordBefore, RecordIndex shift,
                                     RecordNode* nodeAtFirst)
{
    if (topRecord < firstRecord) return;
    const RecordIndex oldTopRecord = topRecord;
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
    EnsureCaretVisible(false);
    Host().InvalidatePane(ViewPane::All);
    Host().UpdateStatus();
}
