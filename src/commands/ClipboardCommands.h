#pragma once
#include <string>

class CAppViewBase;
class CRecordList;

// Edit > Copy, Cut, Paste and the transfer of the "Advance Clipboard"
// dialog, on the view's selection and the clipboard holder. Each answers
// whether it did anything and gives the text for status-bar pane 0 in
// `message`. The caller then refreshes the status bar (after a change of the
// document), shows the message and repaints the view.

// Copies the selection; the document and the selection stay. Nothing
// without a selection.
bool CopySelection(CAppViewBase& view, CRecordList& list, std::string& message);
// Moves the selection to the clipboard; the caret goes where it began.
bool CutSelection(CAppViewBase& view, CRecordList& list, std::string& message);
// Inserts the clipboard's records at the caret, in place of the selection.
// The clipboard is read before anything changes; a paste that would be
// refused for size leaves the selection in place too.
bool PasteClipboard(CAppViewBase& view, CRecordList& list, std::string& message);
// Copies or cuts the whole records startRecord to endRecord (counted from
// 1; endRecord at most the record count, as the dialog's check leaves it),
// each with its line break. After a copy the records stay selected.
bool TransferRecords(CAppViewBase& view, CRecordList& list, int startRecord, int endRecord, bool copy,
                     std::string& message);
