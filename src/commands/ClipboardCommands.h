#pragma once
#include <string>

#include "records/RecordEdits.h"

class CAppViewBase;
class CClipRecords;
class CRecordList;

// Edit > Copy, Cut, Paste and the transfer of the "Advance Clipboard"
// dialog, on the view's selection and the clipboard holder. A Copy, Cut or
// transfer whose records would not fit in the clipboard's private block
// (ClipBlockHolds) is refused with a message, nothing changed. Each answers
// whether it did anything and gives the text for status-bar pane 0 in
// `message`. The caller then refreshes the status bar (after a change of the
// document), shows the message and repaints the view. `edits` (or `list`)
// are the view's records.

// Copies the selection; the document and the selection stay. Nothing
// without a selection.
[[nodiscard]] bool CopySelection(CAppViewBase& view, const CRecordList& list, CClipRecords& holder,
                                 std::string& message);
// Moves the selection to the clipboard; the caret goes where it began.
[[nodiscard]] bool CutSelection(CAppViewBase& view, CRecordEdits edits, CClipRecords& holder, std::string& message);
// Inserts the clipboard's records at the caret, in place of the selection.
// The clipboard is read before anything changes; a paste that would be
// refused for size leaves the selection in place too.
[[nodiscard]] bool PasteClipboard(CAppViewBase& view, CRecordEdits edits, CClipRecords& holder,
                                  std::string& message);
// Copies or cuts the whole records startRecord to endRecord (counted from
// 1; endRecord at most the record count, as the dialog's check leaves it),
// each with its line break. After a copy the records stay selected.
[[nodiscard]] bool TransferRecords(CAppViewBase& view, CRecordEdits edits, CClipRecords& holder,
                                   RecordIndex startRecord, RecordIndex endRecord, bool copy, std::string& message);
