#pragma once

class CAppViewBase;
class CRecordList;
class CUndoBuffer;

// Edit > Undo on the view: replays the journal's newest entry, which puts the
// caret on the change, then collapses the selection onto the caret, brings
// the scroll ranges up to date and scrolls the caret into sight. False when nothing was undone. The caller refreshes
// the status bar and repaints.
bool UndoLastEdit(CAppViewBase& view, CRecordList& list, CUndoBuffer& journal);
