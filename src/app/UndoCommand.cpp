#include "app/UndoCommand.h"

#include "records/RecordList.h"
#include "records/UndoBuffer.h"
#include "view/AppViewBase.h"
#include "view/ViewUndoAdapter.h"

bool UndoLastEdit(CAppViewBase& view, CRecordList& list, CUndoBuffer& journal)
{
    if (!journal.CanUndo() || !view.caretNode) return false;
    CViewUndoAdapter undoView(view);
    if (!journal.Undo(list, undoView)) return false;
    // The records may have come back or gone: the bars follow the document
    // before the caret is brought into sight.
    view.UpdateVScrollRange();
    view.EnsureCaretVisible(false);
    view.UpdateHScrollRange();
    return true;
}
