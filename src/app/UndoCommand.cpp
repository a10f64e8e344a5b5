#include "app/UndoCommand.h"

#include "view/AppViewBase.h"
#include "view/ViewUndoAdapter.h"

bool UndoLastEdit(CAppViewBase& view, CRecordEdits edits)
{
    if (!view.caretNode) return false;
    CViewUndoAdapter undoView(view);
    if (!edits.Undo(undoView)) return false;  // nothing to undo, or it no longer fit (told)
    // The records may have come back or gone: the bars follow the document
    // before the caret is brought into sight.
    view.UpdateVScrollRange();
    view.EnsureCaretVisible(false);
    view.UpdateHScrollRange();
    return true;
}
