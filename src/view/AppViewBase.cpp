#include "view/AppViewBase.h"

#include <algorithm>
#include <cstdlib>
#include <limits>

#include "records/OpenMode.h"
#include "records/RecordEdits.h"
#include "settings/Settings.h"
#include "view/CaretMetrics.h"
#include "view/DisplayColumns.h"
#include "view/PaneLayout.h"
#include "view/RecordAccess.h"
#include "view/ViewDocument.h"

namespace rec = view_records;

namespace {

// What a view without a document follows.
const Settings kNoDocumentSettings;

}  // namespace

IViewHost& CAppViewBase::Host() const
{
    static NullViewHost nullHost;
    return host_ ? *host_ : nullHost;
}

// --- The document -------------------------------------------------------------

CRecordList* CAppViewBase::Records() const { return document_ ? document_->Records() : nullptr; }

CRecordEdits CAppViewBase::Edits() const
{
    return CRecordEdits(*document_->Records(), document_->Journal(), document_->Hooks());
}

const Settings& CAppViewBase::Preferences() const
{
    return document_ ? document_->Preferences() : kNoDocumentSettings;
}

SourceOptions CAppViewBase::EditOptions() const
{
    const Settings& settings = Preferences();
    SourceOptions options;
    options.sourceMode = sourceMode;
    options.tabStop = settings.srcMark;
    options.smartIndent = settings.srcSmart;
    options.spacesForTab = settings.srcType;
    options.expandTabsOnSave = settings.srcSave;
    return options;
}

// --- Lifecycle and layout -----------------------------------------------------

void CAppViewBase::OnInitialUpdate()
{
    caretCol = caretByte = caretRow = caretRecord = 0;
    topRecord = topRow = leftCol = 0;
    selStartRecord = selStartByte = selEndRecord = selEndByte = 0;
    caretNode = topNode = selStartNode = selEndNode = rec::Head(Records());
    asciiView = true;
    UpdateVScrollRange();
    SetVertBarPosition(0);
    Host().UpdateModePanes();
    Host().UpdateStatus();
    Host().InvalidatePane(ViewPane::All);
}

void CAppViewBase::OnDataPaneSized(int clientWidth, int clientHeight)
{
    pageCols = PageColsFor(clientWidth, charWidth);
    pageRows = PageRowsFor(clientHeight, charHeight);
    UpdateVScrollRange();
    UpdateHScrollRange();
}

// --- Scrolling ----------------------------------------------------------------

void CAppViewBase::SetVertBarPosition(DisplayRow position)
{
    vertScroll.position = position;
    vertScroll.ClampPosition();
    Host().SetVertScrollBar(vertScroll);
}

void CAppViewBase::SetHorzBarPosition(int position)
{
    horzScroll.position = position;
    horzScroll.ClampPosition();
    Host().SetHorzScrollBar(horzScroll);
}

void CAppViewBase::SyncTopRecord()
{
    const RecordIndex count = RecordCount();
    const DisplayRow total = TotalRows();
    if (topRow <= 0 || count == 0) {
        topRow = std::max<DisplayRow>(topRow, 0);
        topNode = rec::Head(Records());
        topRecord = 0;
    } else if (topRow >= total) {
        topNode = rec::Tail(Records());
        topRecord = count - 1;
    } else {
        const RecordIndex record = topRow / rowsPerRecord;
        topNode = NodeAt(record);
        topRecord = record;
    }
}

void CAppViewBase::SetTopRow(DisplayRow row)
{
    topRow = row;
    SyncTopRecord();
    Host().InvalidatePane(ViewPane::Data);
    Host().InvalidatePane(ViewPane::Line);
    UpdateCaret();
}

void CAppViewBase::SetLeftCol(int col)
{
    leftCol = std::max(col, 0);
    Host().InvalidatePane(ViewPane::Data);
    UpdateCaret();
    Host().InvalidatePane(ViewPane::Ruler);
}

void CAppViewBase::UpdateVScrollRange()
{
    const DisplayRow total = TotalRows();
    vertScroll.maximum = total - 1;
    vertScroll.page = pageRows > total - 1 ? total : pageRows;
    vertScroll.ClampPosition();
    Host().SetVertScrollBar(vertScroll);
}

void CAppViewBase::UpdateHScrollRange()
{
    int widest = 0;
    const RecordNode* node = topNode;
    for (int looked = 0; node && looked < pageRows; ++looked, node = rec::Next(node)) {
        const int width = ByteToColumn(node, rec::Length(node));
        widest = std::max(widest, std::max(width, 1));
    }
    horzScroll.minimum = 0;
    horzScroll.maximum = widest - 1;
    horzScroll.page = std::min(pageCols, widest);
    SetHorzBarPosition(leftCol);
    Host().InvalidatePane(ViewPane::Ruler);
}

bool CAppViewBase::EnsureCaretVisible(bool centre)
{
    bool scrolledHorizontally = false;
    if (caretCol < leftCol || caretCol > leftCol + pageCols) {
        if (centre)
            leftCol = std::max(caretCol - pageCols / 2, 0);
        else
            leftCol = caretCol < leftCol ? caretCol : caretCol - pageCols + 1;
        leftCol = std::max(leftCol, 0);
        Host().InvalidatePane(ViewPane::Ruler);
        SetHorzBarPosition(leftCol);
        scrolledHorizontally = true;
    }

    const DisplayRow oldTopRow = topRow;
    if (caretRow < topRow || caretRow >= topRow + pageRows) {
        if (centre)
            topRow = std::max<DisplayRow>(caretRow - pageRows / 2, 0);
        else
            topRow = caretRow < topRow ? caretRow : caretRow - pageRows + 1;
    }
    // In hex view keep the caret record's three rows on screen, with the
    // bottom edge on a record boundary. A page of fewer than three rows
    // cannot show them, and trying would push the caret off the page.
    if (rowsPerRecord == 3 && pageRows >= 3) {
        const DisplayRow recordStart = (caretRow / 3) * 3;
        if (recordStart < topRow)
            topRow = recordStart;
        else if (recordStart > topRow + pageRows - 3)
            topRow = topRow - (topRow + pageRows) % 3 + 3;
    }
    topRow = std::max<DisplayRow>(topRow, 0);

    if (topRow != oldTopRow) {
        SyncTopRecord();
        Host().InvalidatePane(ViewPane::Line);
        SetVertBarPosition(topRow);
        return true;
    }
    return scrolledHorizontally;
}

void CAppViewBase::OnVScroll(ScrollCode code, int trackPosition)
{
    const ScrollStep step = VerticalScrollStep(vertScroll, code, PositionFromBar(vertScroll, trackPosition));
    if (step.kind == ScrollStep::Ignore) return;
    if (step.kind == ScrollStep::MoveTo) SetTopRow(step.position);
    SetVertBarPosition(step.position);
    UpdateHScrollRange();
}

void CAppViewBase::OnHScroll(ScrollCode code, int trackPosition)
{
    const ScrollStep step = HorizontalScrollStep(horzScroll, code, PositionFromBar(horzScroll, trackPosition));
    if (step.kind == ScrollStep::Ignore) return;
    const int column =
        static_cast<int>(std::clamp<std::int64_t>(step.position, 0, std::numeric_limits<int>::max()));
    if (step.kind == ScrollStep::MoveTo) SetLeftCol(column);
    SetHorzBarPosition(column);
}

void CAppViewBase::OnMouseWheel(int wheelDelta)
{
    const DisplayRow target = WheelScrollPosition(vertScroll, wheelDelta);
    SetTopRow(target);
    SetVertBarPosition(target);
    // The records on screen changed, so their widest may have too.
    UpdateHScrollRange();
}

// --- Coordinates --------------------------------------------------------------

// Asked for every record measured: the settings are read only when they count.
int CAppViewBase::TabWidth() const { return sourceMode ? TabWidthFor(true, Preferences().srcMark) : 0; }

RecordIndex CAppViewBase::RecordCount() const { return rec::Count(Records()); }

int CAppViewBase::ColumnToByte(const RecordNode* node, int col) const
{
    return ::ColumnToByte(rec::Bytes(node), rec::Length(node), col, TabWidth());
}

int CAppViewBase::ByteToColumn(const RecordNode* node, int byteIndex) const
{
    return ::ByteToColumn(rec::Bytes(node), rec::Length(node), byteIndex, TabWidth());
}

RecordNode* CAppViewBase::NodeAt(RecordIndex record) const
{
    const CRecordList* list = Records();
    const RecordIndex count = rec::Count(list);
    if (count == 0) return nullptr;
    record = std::clamp<RecordIndex>(record, 0, count - 1);
    // Start from whichever held node lies nearest.
    struct Known {
        RecordNode* node;
        RecordIndex record;
    };
    const Known known[] = {
        {caretNode, caretRecord}, {topNode, topRecord}, {rec::Head(list), 0}, {rec::Tail(list), count - 1}};
    const Known* best = nullptr;
    for (const Known& k : known) {
        if (!k.node || k.record < 0 || k.record >= count) continue;
        if (!best || std::abs(k.record - record) < std::abs(best->record - record)) best = &k;
    }
    // A far record is looked up rather than walked to.
    if (!best || std::abs(best->record - record) > rec::kNearRecords) return rec::Lookup(list, record);
    return rec::Walk(best->node, record - best->record);
}

RecordNode* CAppViewBase::LocateRow(DisplayRow row, int col, RecordIndex& record, int& rowInRecord,
                                    int& byte) const
{
    // Callers pass the caret's own fields as the results, and NodeAt reads
    // them: nothing is written until the node is found.
    const RecordIndex count = RecordCount();
    RecordIndex foundRecord = 0;
    int foundRow = 0;
    if (row < 0 || count == 0) {
        col = 0;
    } else if (row >= TotalRows()) {
        foundRecord = count - 1;
        col = kEndOfRecordColumn;
    } else {
        foundRecord = row / rowsPerRecord;
        foundRow = static_cast<int>(row % rowsPerRecord);
    }
    RecordNode* node = NodeAt(foundRecord);
    record = foundRecord;
    rowInRecord = foundRow;
    byte = LocateByte(rec::Bytes(node), rec::Length(node), std::max(col, 0), TabWidth());
    return node;
}

void CAppViewBase::CaretToDisplay(RecordIndex record, int rowInRecord, int byte, DisplayRow& row, int& col) const
{
    row = record * rowsPerRecord + rowInRecord;
    col = sourceMode ? ByteToColumn(NodeAt(record), byte) : byte;
}

// --- Modes --------------------------------------------------------------------

void CAppViewBase::ApplyOpenRequest(std::uint16_t flags)
{
    const Settings& settings = Preferences();
    sourceMode = (flags & kRequestSource) || settings.autoSource;
    rowsPerRecord = ((flags & kRequestHex) || settings.autoHex) ? 3 : 1;
}

void CAppViewBase::ToggleAscii()
{
    asciiView = !asciiView;
    Host().InvalidatePane(ViewPane::All);
}

void CAppViewBase::ToggleHex()
{
    if (rowsPerRecord == 1) {
        rowsPerRecord = 3;
        caretRow *= 3;
    } else {
        rowsPerRecord = 1;
        caretRow /= 3;
    }
    // Keep the top record on top: topRow counts display rows, whose number
    // per record just changed.
    topRow = topRecord * rowsPerRecord;
    Host().UpdateModePanes();
    UpdateVScrollRange();
    SetVertBarPosition(topRow);
    EnsureCaretVisible(true);
    Host().InvalidatePane(ViewPane::Data);
    Host().InvalidatePane(ViewPane::Line);
    Host().UpdateStatus();
}

void CAppViewBase::ToggleSource()
{
    caretByte = std::min(ColumnToByte(caretNode, caretCol), rec::Length(caretNode));
    sourceMode = !sourceMode;
    caretCol = ByteToColumn(caretNode, caretByte);
    Host().UpdateModePanes();
    Host().InvalidatePane(ViewPane::Data);
    Host().InvalidatePane(ViewPane::Line);
    Host().UpdateStatus();
}

// --- Selection ----------------------------------------------------------------

bool CAppViewBase::HasSelection() const
{
    return selStartRecord != selEndRecord || selStartByte != selEndByte;
}

bool CAppViewBase::IsSelected(RecordIndex record, int byte) const
{
    if (!HasSelection()) return false;
    if (record == selStartRecord) {
        if (record == selEndRecord) return selStartByte <= byte && byte < selEndByte;
        return byte >= selStartByte;
    }
    if (record > selStartRecord && record < selEndRecord) return true;
    if (record == selEndRecord) return byte < selEndByte;
    return false;
}

bool CAppViewBase::IsLineBreakSelected(RecordIndex record) const
{
    return selStartRecord != selEndRecord && selStartRecord <= record && record < selEndRecord;
}

// --- Caret --------------------------------------------------------------------

void CAppViewBase::UpdateCaret()
{
    const bool onScreen = leftCol <= caretCol && caretCol <= leftCol + pageCols &&
                          topRow <= caretRow && caretRow < topRow + pageRows && !HasSelection();
    if (!onScreen) {
        Host().HideCaretNow();
        return;
    }
    // On screen: within a page of the top row.
    const int screenRow = static_cast<int>(caretRow - topRow);
    Host().PlaceCaret((caretCol - leftCol) * charWidth + kCaretLeft, screenRow * charHeight + kCaretTop,
                      insertMode ? kInsertCaretWidth : charWidth, charHeight);
}

void CAppViewBase::HideCaretNow() { Host().HideCaretNow(); }
