// Keys by scan code: caret moves, paging, the insert/overwrite switch and
// Delete. The keyboard never selects: every key collapses the selection.
#include <algorithm>

#include "platform/KeyScanCodes.h"
#include "view/AppViewBase.h"
#include "view/CaretMetrics.h"
#include "view/RecordAccess.h"

namespace rec = view_records;

void CAppViewBase::LocateCaretRow()
{
    int rowInRecord = 0;
    caretNode = LocateRow(caretRow, caretCol, caretRecord, rowInRecord, caretByte);
    caretCol = ByteToColumn(caretNode, caretByte);
}

void CAppViewBase::OnKey(bool ctrl, int scanCode)
{
    if (!HasDocument()) return;
    const int oldLeftCol = leftCol;
    const DisplayRow oldTopRow = topRow;
    const DisplayRow lastRow = TotalRows() - 1;
    const int length = rec::Length(caretNode);

    switch (scanCode) {
    case scan_code::kInsert:
        insertMode = !insertMode;
        // The caret is made again in the width of the new mode.
        HideCaretNow();
        UpdateCaret();
        Host().UpdateModePanes();
        return;

    case scan_code::kHome:
        caretByte = 0;
        caretCol = 0;
        break;

    case scan_code::kEnd:
        caretByte = length;
        caretCol = ByteToColumn(caretNode, length);
        break;

    case scan_code::kUp:
        caretRow = std::max<DisplayRow>(caretRow - 1, 0);
        LocateCaretRow();
        break;

    case scan_code::kDown:
        caretRow = std::min(caretRow + 1, lastRow);
        LocateCaretRow();
        break;

    case scan_code::kPageUp:
        if (ctrl) {
            caretRecord = 0;
            caretNode = rec::Head(Records());
            caretByte = caretRow = caretCol = 0;
            break;
        }
        topRow = std::max<DisplayRow>(topRow - pageRows, 0);
        caretRow = std::max<DisplayRow>(caretRow - pageRows, 0);
        LocateCaretRow();
        caretRow = rowsPerRecord * caretRecord;
        break;

    case scan_code::kPageDown:
        if (ctrl) {
            caretRecord = RecordCount() - 1;
            caretNode = rec::Tail(Records());
            caretByte = caretCol = 0;
            caretRow = rowsPerRecord * caretRecord;
            break;
        }
        if (topRow < lastRow - pageRows) topRow += pageRows;
        caretRow = std::min(caretRow + pageRows, lastRow);
        LocateCaretRow();
        caretRow = rowsPerRecord * caretRecord;
        break;

    case scan_code::kLeft:
        if (ctrl) {
            leftCol = std::max(oldLeftCol - pageCols, 0);
            caretCol = std::max(caretCol - pageCols, 0);
            caretByte = std::min(ColumnToByte(caretNode, caretCol), length);
            caretCol = ByteToColumn(caretNode, caretByte);
        } else if (--caretByte >= 0) {
            caretCol = ByteToColumn(caretNode, caretByte);
        } else {
            // To the end of the previous display row; at the very start of
            // the document LocateRow answers the start again.
            int rowInRecord = 0;
            caretNode = LocateRow(caretRow - 1, kEndOfRecordColumn, caretRecord, rowInRecord, caretByte);
            CaretToDisplay(caretRecord, rowInRecord, caretByte, caretRow, caretCol);
        }
        break;

    case scan_code::kRight:
        if (ctrl) {
            // Not past the start of the record's last byte.
            const int limit = length > 0 ? ByteToColumn(caretNode, length - 1) : 0;
            leftCol = std::min(oldLeftCol + pageCols, limit);
            caretCol = std::min(caretCol + pageCols, limit);
            caretByte = std::min(ColumnToByte(caretNode, caretCol), length);
            caretCol = ByteToColumn(caretNode, caretByte);
        } else if (++caretByte <= length) {
            caretCol = ByteToColumn(caretNode, caretByte);
        } else {
            // To the start of the next display row; past the last one
            // LocateRow answers the end of the last record.
            int rowInRecord = 0;
            caretNode = LocateRow(caretRow + 1, 0, caretRecord, rowInRecord, caretByte);
            CaretToDisplay(caretRecord, rowInRecord, caretByte, caretRow, caretCol);
        }
        break;

    case scan_code::kDelete:
        if (HasSelection()) {
            if (!DeleteSelection()) return;  // refused: nothing changes at all
            Host().InvalidatePane(ViewPane::Data);
        } else if (DeleteAtCaret()) {
            Host().InvalidatePane(ViewPane::Data);
        }
        break;

    default:
        return;
    }
    FinishKey(oldLeftCol, oldTopRow);
}

void CAppViewBase::FinishKey(int oldLeftCol, DisplayRow oldTopRow)
{
    if (topRow != oldTopRow) {
        SyncTopRecord();
        SetVertBarPosition(topRow);
    }
    const bool hadSelection = HasSelection();
    CollapseSelection();
    const bool scrolled = EnsureCaretVisible(false);
    if (scrolled || topRow != oldTopRow || leftCol != oldLeftCol || hadSelection)
        Host().InvalidatePane(ViewPane::All);
    Host().UpdateStatus();
}
