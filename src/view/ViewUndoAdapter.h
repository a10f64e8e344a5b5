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
    std::int32_t UndoCaretRecord() const override;
    RecordNode* UndoTopNode() const override;
    std::int32_t UndoTopRecord() const override;
    void SetUndoTop(RecordNode* node, std::int32_t record) override;
    void PlaceUndoCaret(RecordNode* node, std::int32_t record, std::int32_t byte) override;

private:
    CAppViewBase& view_;
};
