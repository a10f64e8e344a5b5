#include "app/UndoCommand.h"

#include "records/RecordList.h"
#include "records/UndoBuffer.h"
#include "records/UndoView.h"
#include "view/AppViewBase.h"

namespace {

// The view as the journal sees it while it replays an entry.
class ViewForUndo : public IUndoView {
public:
    explicit ViewForUndo(CAppViewBase& view) : view_(view) {}

    RecordNode* UndoCaretNode() const override { return view_.caretNode; }
    std::int32_t UndoCaretRecord() const override { return view_.caretRecord; }
    RecordNode* UndoTopNode() const override { return view_.topNode; }
    std::int32_t UndoTopRecord() const override { return view_.topRecord; }

    void SetUndoTop(RecordNode* node, std::int32_t record) override
    {
        view_.topNode = node;
        view_.topRecord = record;
    }

    void PlaceUndoCaret(RecordNode* node, std::int32_t record, std::int32_t byte) override
    {
        view_.caretNode = node;
        view_.caretRecord = record;
        view_.caretByte = byte;
        view_.CaretToDisplay(record, 0, byte, view_.caretRow, view_.caretCol);
    }

private:
    CAppViewBase& view_;
};

}  // namespace

bool UndoLastEdit(CAppViewBase& view, CRecordList& list, CUndoBuffer& journal)
{
    if (!journal.CanUndo() || !view.caretNode) return false;
    ViewForUndo undoView(view);
    if (!journal.Undo(list, undoView)) return false;
    view.selStartRecord = view.selEndRecord = view.caretRecord;
    view.selStartByte = view.selEndByte = view.caretByte;
    view.selStartNode = view.selEndNode = view.caretNode;
    view.EnsureCaretVisible(false);
    return true;
}
