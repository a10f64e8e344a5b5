#pragma once

class CAppViewBase;
class CRecordList;
class CUndoBuffer;

// Edit > Undo on the view: replays the journal's newest entry, which puts the
// caret on the change, then collapses the selection onto the caret and
// scrolls it into sight. False when nothing was undone. The caller refreshes
// the status bar and repaints.
bool UndoLastEdit(CAppViewBase& view, CRecordList& list, CUndoBuffer& journal);
