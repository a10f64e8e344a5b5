#pragma once
#include "records/RecordEdits.h"

class CAppViewBase;

// Edit > Undo on the view: replays the journal's newest entry through
// `edits` (the view's records), which puts the caret on the change, then
// collapses the selection onto the caret, brings the scroll ranges up to date
// and scrolls the caret into sight. False when nothing was undone. The caller
// refreshes the status bar and repaints.
[[nodiscard]] bool UndoLastEdit(CAppViewBase& view, CRecordEdits edits);
