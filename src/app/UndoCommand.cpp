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
    view.EnsureCaretVisible(false);
    return true;
}
