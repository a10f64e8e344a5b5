#pragma once
#include "records/UndoView.h"

class CAppViewBase;

// The view as the undo journal sees it while it replays an entry: the caret
// and top records, and the caret placed on the change with the selection
// collapsed onto it.
class CViewUndoAdapter : public IUndoView {
public:
    explicit CViewUndoAdapter(CAppViewBase& view) : view_(view) {}

    RecordNode* UndoCaretNode() const override;
    RecordIndex UndoCaretRecord() const override;
    RecordNode* UndoTopNode() const override;
    RecordIndex UndoTopRecord() const override;
    void SetUndoTop(RecordNode* node, RecordIndex record) override;
    void PlaceUndoCaret(RecordNode* node, RecordIndex record, int byte) override;

private:
    CAppViewBase& view_;
};
