#include "view/ViewUndoAdapter.h"

#include "view/AppViewBase.h"

RecordNode* CViewUndoAdapter::UndoCaretNode() const { return view_.caretNode; }
RecordIndex CViewUndoAdapter::UndoCaretRecord() const { return view_.caretRecord; }
RecordNode* CViewUndoAdapter::UndoTopNode() const { return view_.topNode; }
RecordIndex CViewUndoAdapter::UndoTopRecord() const { return view_.topRecord; }

void CViewUndoAdapter::SetUndoTop(RecordNode* node, RecordIndex record)
{
    view_.topNode = node;
    view_.topRecord = record;
}

void CViewUndoAdapter::PlaceUndoCaret(RecordNode* node, RecordIndex record, int byte)
{
    view_.caretNode = node;
    view_.caretRecord = record;
    view_.caretByte = byte;
    view_.CaretToDisplay(record, 0, byte, view_.caretRow, view_.caretCol);
    view_.CollapseSelection();
}
