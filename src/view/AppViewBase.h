#pragma once
#include <cstdint>
#include <string>

#include "records/RecordIndex.h"
#include "records/SourceOptions.h"
#include "view/DisplayRow.h"
#include "view/ScrollBarModel.h"
#include "view/ViewHost.h"

class CRecordEdits;
class CRecordList;
class IViewDocument;
struct RecordNode;
struct Settings;

// The editor view's state and every operation on it that needs no toolkit:
// caret, selection, scroll position and display modes. The wx view derives
// from it, adds the panes and serves as its host.
//
// Records are reached by relative steps from a node the view already holds
// (caretNode, topNode, or the list's ends) when near, and through the
// document's node index when far, never by counting from the head: every
// operation costs in proportion to the distance moved, and a far move no
// more than a lookup.
class CAppViewBase {
public:
    CAppViewBase() = default;
    virtual ~CAppViewBase() = default;
    CAppViewBase(const CAppViewBase&) = delete;
    CAppViewBase& operator=(const CAppViewBase&) = delete;

    // The screen side; null (the default) makes every host call a no-op.
    void SetHost(IViewHost* host) { host_ = host; }
    // The document shown and edited (view/ViewDocument.h); null (the
    // default) shows none.
    void AttachDocument(const IViewDocument* document) { document_ = document; }

    // The records shown; null without a document.
    [[nodiscard]] CRecordList* Records() const;
    // The journaled edits of the records shown; only while Records() is not
    // null.
    CRecordEdits Edits() const;
    // The settings the view follows; the defaults without a document.
    const Settings& Preferences() const;
    // This view's source mode with the settings, for the record operations.
    SourceOptions EditOptions() const;

    // --- Lifecycle and layout -------------------------------------------------

    // Resets caret, selection and scrolling to the start of a new or opened
    // document (the record list is already filled).
    void OnInitialUpdate();
    // The data pane's client area changed: page size and both ranges follow.
    void OnDataPaneSized(int clientWidth, int clientHeight);

    // --- Scrolling ----------------------------------------------------------

    void SetTopRow(DisplayRow row);
    void SetLeftCol(int col);
    void UpdateVScrollRange();
    // Range of the widest record on screen; also sets the bar to leftCol.
    void UpdateHScrollRange();
    // Scrolls so the caret is visible; answers whether anything scrolled.
    // The caller repaints the data pane.
    bool EnsureCaretVisible(bool centre);

    // trackPosition: where the toolkit's bar has its thumb (BarFor's units).
    void OnVScroll(ScrollCode code, int trackPosition);
    void OnHScroll(ScrollCode code, int trackPosition);
    // wheelDelta > 0: away from the user (up).
    void OnMouseWheel(int wheelDelta);

    // --- Coordinates ----------------------------------------------------------

    int ColumnToByte(const RecordNode* node, int col) const;
    int ByteToColumn(const RecordNode* node, int byteIndex) const;
    [[nodiscard]] RecordNode* LocateRow(DisplayRow row, int col, RecordIndex& record, int& rowInRecord,
                                        int& byte) const;
    void CaretToDisplay(RecordIndex record, int rowInRecord, int byte, DisplayRow& row, int& col) const;
    // The record with the given index: walked to from the nearest node held
    // when that is near, else looked up in the document's node index.
    [[nodiscard]] RecordNode* NodeAt(RecordIndex record) const;
    // Tab width for the column functions: 0 outside source mode.
    int TabWidth() const;
    RecordIndex RecordCount() const;
    // Display rows of the whole document.
    DisplayRow TotalRows() const { return rowsPerRecord * RecordCount(); }
    // Whether there are records and the caret is on one: the mouse and the
    // keyboard do nothing otherwise.
    [[nodiscard]] bool HasDocument() const { return caretNode && RecordCount() > 0; }

    // --- Modes ----------------------------------------------------------------

    // Source mode and hex display for a new or opened document: on when the
    // request's bit 2 (source) or bit 3 (hex) is set or the autoSource or
    // autoHex setting is on.
    void ApplyOpenRequest(std::uint16_t flags);
    void ToggleAscii();
    void ToggleHex();
    void ToggleSource();

    // --- Selection ----------------------------------------------------------

    [[nodiscard]] bool HasSelection() const;
    [[nodiscard]] bool IsSelected(RecordIndex record, int byte) const;
    [[nodiscard]] bool IsLineBreakSelected(RecordIndex record) const;

    // --- Caret ----------------------------------------------------------------

    // Shows and places the caret when it belongs on screen (inside the page,
    // no selection), else removes it.
    void UpdateCaret();
    void HideCaretNow();

    // --- Mouse and selection (CaretSelection.cpp) -----------------------------

    // Moves the caret to the byte nearest a point of the data pane's client
    // area (rows above the pane and columns left of it count; below and right
    // it is held to the last visible row and column).
    void PointToCaret(int x, int y);
    void OnMouseDown(int x, int y);
    void OnMouseDrag(int x, int y);
    void OnMouseUp(int x, int y);
    // Selects the word (source mode) or the whole record under the point.
    void OnDoubleClick(int x, int y);
    // Moves the selection's free end to (record, byte); false when that is
    // the anchor, which leaves no selection.
    [[nodiscard]] bool ExtendSelection(RecordNode* node, RecordIndex record, int byte);
    // Start and end of the selection onto the caret.
    void CollapseSelection();
    // "%d:%d - %d:%d selected" for the current selection.
    std::string SelectionMessage() const;

    // --- Keyboard (KeyNavigation.cpp, Deletion.cpp) ----------------------------

    // A key other than a modifier, by its PC scan code.
    void OnKey(bool ctrl, int scanCode);
    // Deletes the byte at the caret, or joins at a record's end (or, with
    // caretByte -1 after Backspace, its start). False when nothing changed.
    [[nodiscard]] bool DeleteAtCaret();

    // --- Typing (Typing.cpp) -----------------------------------------------------

    // A typed character: Backspace (8), Tab (9), Enter (13) or 32 to 126.
    void OnChar(bool shift, int ch);
    // Stores one character or hex digit at the caret and advances it; false
    // when nothing was stored.
    [[nodiscard]] bool PutChar(int ch);

    // --- State ----------------------------------------------------------------

    std::int32_t lineWidth = 42;
    std::int32_t rulerHeight = 20;
    std::int32_t dataWidth = 0;
    std::int32_t dataHeight = 0;
    std::int32_t smallCharWidth = 0;
    std::int32_t smallCharHeight = 0;
    std::int32_t charWidth = 0;
    std::int32_t charHeight = 0;

    bool insertMode = true;
    bool sourceMode = false;
    bool asciiView = true;
    std::int16_t rowsPerRecord = 1;

    std::int32_t caretCol = 0;
    DisplayRow caretRow = 0;
    std::int32_t caretByte = 0;
    RecordIndex caretRecord = 0;
    std::int32_t leftCol = 0;
    DisplayRow topRow = 0;
    RecordIndex topRecord = 0;
    std::int32_t pageCols = 1;
    std::int32_t pageRows = 1;
    RecordIndex selStartRecord = 0;
    std::int32_t selStartByte = 0;
    RecordIndex selEndRecord = 0;
    std::int32_t selEndByte = 0;
    RecordNode* caretNode = nullptr;
    RecordNode* topNode = nullptr;
    RecordNode* selStartNode = nullptr;
    RecordNode* selEndNode = nullptr;
    bool selAnchorAtStart = true;

    // The view's copies of its two scroll bars.
    ScrollBarState vertScroll;
    ScrollBarState horzScroll;

protected:
    IViewHost& Host() const;

private:
    // Up and Down: the record, byte and column at caretRow for the column
    // the caret had.
    void LocateCaretRow();
    // What every movement key and Delete end with: the top record follows
    // topRow, the selection collapses, the view repaints when it moved, and
    // the status bar follows.
    void FinishKey(int oldLeftCol, DisplayRow oldTopRow);
    // Deletes the selection (Delete, or typing over it); false with nothing
    // changed when the remaining parts would join beyond the size limit.
    [[nodiscard]] bool DeleteSelection();
    // Tab and Shift+Tab on a selection in source mode with smart indent.
    void ShiftSelectedBlock(bool unindent);
    // Keeps topNode and topRecord right across a change of the record
    // structure: the records firstRecord..lastRecordBefore were replaced by
    // ones starting with nodeAtFirst, and the records after them moved by
    // shift places. A top record inside the change becomes nodeAtFirst.
    void KeepTopAcrossEdit(RecordIndex firstRecord, RecordIndex lastRecordBefore, RecordIndex shift,
                           RecordNode* nodeAtFirst);
    // The edit's closing steps: caret in sight, repaint, status bar (the
    // edit itself marked the document modified).
    void FinishEdit();

    void SetVertBarPosition(DisplayRow position);
    void SetHorzBarPosition(int position);
    // topRecord and topNode for the current topRow.
    void SyncTopRecord();

    IViewHost* host_ = nullptr;
    const IViewDocument* document_ = nullptr;
};
