// The caret and the selection under the mouse: clicks, drags and double
// clicks in the data pane.
#include <algorithm>

#include "records/RecordMessages.h"
#include "view/AppViewBase.h"
#include "view/CaretMetrics.h"
#include "view/RecordAccess.h"
#include "view/ViewMessages.h"

namespace rec = view_records;

namespace {

// Letters, digits and the underscore make up a word, tested on the stored
// bytes whatever the view shows.
bool IsWordByte(std::uint8_t b)
{
    return (b >= '0' && b <= '9') || (b >= 'A' && b <= 'Z') || (b >= 'a' && b <= 'z') || b == '_';
}

}  // namespace

void CAppViewBase::PointToCaret(int x, int y)
{
    // Before the font is measured a cell counts as one pixel.
    const int cellWidth = std::max<int>(charWidth, 1);
    const int cellHeight = std::max<int>(charHeight, 1);
    // The text margin is not subtracted: a click in the right-hand part of a
    // cell lands on the next column.
    caretCol = std::min(x / cellWidth + leftCol, leftCol + pageCols);
    caretRow = (y - kCaretTop) / cellHeight + topRow;
    if (caretRow >= topRow + pageRows) caretRow = topRow + pageRows - 1;
    int rowInRecord = 0;
    caretNode = LocateRow(caretRow, caretCol, caretRecord, rowInRecord, caretByte);
    CaretToDisplay(caretRecord, rowInRecord, caretByte, caretRow, caretCol);
}

void CAppViewBase::CollapseSelection()
{
    selStartRecord = selEndRecord = caretRecord;
    selStartByte = selEndByte = caretByte;
    selStartNode = selEndNode = caretNode;
}

void CAppViewBase::OnMouseDown(int x, int y)
{
    if (!HasDocument()) return;
    PointToCaret(x, y);
    CollapseSelection();
    selAnchorAtStart = true;
    if (EnsureCaretVisible(false)) Host().InvalidatePane(ViewPane::All);
}

void CAppViewBase::OnMouseDrag(int x, int y)
{
    if (!HasDocument()) return;
    PointToCaret(x, y);
    // A drag above or left of the pane scrolls; the next move extends.
    if (EnsureCaretVisible(false)) {
        UpdateCaret();
        Host().InvalidatePane(ViewPane::All);
        return;
    }
    // Back on the anchor the selection goes away, which must be shown too.
    const bool hadSelection = HasSelection();
    if (ExtendSelection(caretNode, caretRecord, caretByte) || hadSelection) {
        UpdateCaret();
        Host().InvalidatePane(ViewPane::All);
    }
}

void CAppViewBase::OnMouseUp(int x, int y)
{
    if (!HasDocument()) return;
    PointToCaret(x, y);
    Host().UpdateStatus();
    if (ExtendSelection(caretNode, caretRecord, caretByte)) {
        Host().SetMessage(SelectionMessage());
        UpdateCaret();  // a selection hides the caret
    }
}

bool CAppViewBase::ExtendSelection(RecordNode* node, RecordIndex record, int byte)
{
    RecordNode* anchorNode = selAnchorAtStart ? selStartNode : selEndNode;
    const RecordIndex anchorRecord = selAnchorAtStart ? selStartRecord : selEndRecord;
    const int anchorByte = selAnchorAtStart ? selStartByte : selEndByte;

    if (record == anchorRecord && byte == anchorByte) {
        selStartNode = selEndNode = node;
        selStartRecord = selEndRecord = record;
        selStartByte = selEndByte = byte;
        return false;
    }
    const bool afterAnchor = record > anchorRecord || (record == anchorRecord && byte > anchorByte);
    if (afterAnchor) {
        selStartNode = anchorNode;
        selStartRecord = anchorRecord;
        selStartByte = anchorByte;
        selEndNode = node;
        selEndRecord = record;
        selEndByte = byte;
    } else {
        selStartNode = node;
        selStartRecord = record;
        selStartByte = byte;
        selEndNode = anchorNode;
        selEndRecord = anchorRecord;
        selEndByte = anchorByte;
    }
    selAnchorAtStart = afterAnchor;
    return true;
}

void CAppViewBase::OnDoubleClick(int x, int y)
{
    if (!HasDocument()) return;
    PointToCaret(x, y);
    selStartRecord = selEndRecord = caretRecord;
    selStartNode = selEndNode = caretNode;
    const std::uint8_t* bytes = rec::Bytes(caretNode);
    const int length = rec::Length(caretNode);

    if (sourceMode) {
        int start = caretByte;
        while (start > 0 && IsWordByte(bytes[start - 1])) --start;
        int end = std::min(caretByte + 1, length);
        if (caretByte < length && IsWordByte(bytes[caretByte])) {
            end = caretByte;
            while (end < length && IsWordByte(bytes[end])) ++end;
        }
        selStartByte = start;
        selEndByte = end;
        if (start == end) return;
    } else {
        selStartByte = 0;
        if (RecordNode* next = rec::Next(caretNode)) {
            // The record together with its line break.
            selEndRecord = caretRecord + 1;
            selEndNode = next;
            selEndByte = 0;
        } else if (length > 0) {
            selEndByte = length;
        } else {
            selStartByte = selEndByte = caretByte;
            return;
        }
    }
    Host().SetMessage(SelectionMessage());
    UpdateCaret();
    Host().InvalidatePane(ViewPane::All);
}

std::string CAppViewBase::SelectionMessage() const
{
    return FillInNumbers(kFmtSelected, {selStartRecord + 1, selStartByte + 1, selEndRecord + 1, selEndByte});
}
