// Edits of the selection: deleting it (Delete, or typing over it) and the
// block indent of source mode (Tab and Shift+Tab).
#include "records/RecordEdits.h"
#include "records/RecordRanges.h"
#include "view/AppViewBase.h"
#include "view/RecordAccess.h"

namespace rec = view_records;

bool CAppViewBase::DeleteSelection()
{
    if (!Records() || !CheckJoinLength(selStartNode, selStartRecord, selStartByte, selEndRecord, selEndByte))
        return false;
    const RecordIndex first = selStartRecord;
    const RecordIndex last = selEndRecord;
    RecordNode* node = Edits().RemoveRange(selStartNode, first, selStartByte, last, selEndByte);
    if (!node) {
        // Memory ran out part-way (the program is stopping): hold on to
        // records that surely exist.
        node = rec::Head(Records());
        selStartRecord = selStartByte = 0;
        topNode = node;
        topRecord = topRow = 0;
    } else {
        // The records first..last became one; those after moved up.
        KeepTopAcrossEdit(first, last, first - last, node);
    }
    selStartNode = selEndNode = caretNode = node;
    caretRecord = selEndRecord = selStartRecord;
    caretByte = selEndByte = selStartByte;
    CaretToDisplay(caretRecord, 0, caretByte, caretRow, caretCol);
    UpdateVScrollRange();
    return true;
}

void CAppViewBase::ShiftSelectedBlock(bool unindent)
{
    if (!Records()) return;
    // The block: every record the selection touches, except one whose
    // column 0 ends it.
    RecordNode* lastNode = selEndNode;
    RecordIndex lastRecord = selEndRecord;
    if (selEndByte == 0 && lastRecord > selStartRecord) {
        lastNode = lastNode->prev;
        --lastRecord;
    }
    // Refused as a whole when a record would grow too long (told).
    if (!Edits().ShiftBlock(unindent, selStartNode, selStartRecord, lastNode, lastRecord, EditOptions())) return;

    // The selection covers the whole block, so the shift can be repeated;
    // the caret goes to its end.
    selStartByte = 0;
    selEndNode = caretNode = lastNode;
    selEndRecord = caretRecord = lastRecord;
    selEndByte = caretByte = rec::Length(lastNode);
    caretRow = rowsPerRecord * caretRecord;
    caretCol = ByteToColumn(caretNode, caretByte);
    EnsureCaretVisible(false);
    Host().InvalidatePane(ViewPane::All);
    Host().UpdateStatus();
}
