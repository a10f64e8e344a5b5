#pragma once
#include <cstdint>

#include "records/RecordIndex.h"

struct RecordNode;

// What Undo needs of the editor view: where the caret and the first visible
// record are (Undo walks to the change from there), and a way to put the
// caret on the change afterwards.
class IUndoView {
public:
    virtual ~IUndoView() = default;

    virtual RecordNode* UndoCaretNode() const = 0;
    virtual RecordIndex UndoCaretRecord() const = 0;
    virtual RecordNode* UndoTopNode() const = 0;
    virtual RecordIndex UndoTopRecord() const = 0;

    // The first visible record keeps its index but is now this node.
    virtual void SetUndoTop(RecordNode* node, RecordIndex record) = 0;
    // Puts the caret at `byte` of `node` (record index `record`) and scrolls
    // so that it can be seen.
    virtual void PlaceUndoCaret(RecordNode* node, RecordIndex record, int byte) = 0;
};
