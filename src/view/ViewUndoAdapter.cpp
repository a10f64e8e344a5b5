#include "view/ViewUndoAdapter.h"

#include "view/AppViewBase.h"

RecordNode* CViewUndoAdapter::UndoCaretNode() const { return view_.caretNode; }
std::int32_t CViewUndoAdapter::UndoCaretRecord() const { return view_.caretRecord; }
RecordNode* CViewUndoAdapter::UndoTopNode() const { return view_.topNode; }
std::int32_t CViewUndoAdapter::UndoTopRecord() const { return view_.topRecord; }

void CViewUndoAdapter::SetUndoTop(RecordNode* node, std::int32_t record)
{
    view_.topNode = node;
    view_.topRecord = record;
}

void CViewUndoAdapter::PlaceUndoCaret(RecordNode* node, std::int32_t record, std::int32_t byte)
{
    view_.caretNode = node;
    view_.caretRecord = record;
    view_.caretByte = byte;
    view_.CaretToDisplay(record, 0, byte, view_.caretRow, view_.caretCol);
    view_.CollapseSelection();
}
