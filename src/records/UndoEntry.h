#pragma once
#include <cstdint>

#include "records/RecordNode.h"

class CReplaceAllLog;

// What an undo entry reverses. The numbers are the entry kinds of the
// journal; 0 marks a free slot.
enum class UndoKind : std::uint16_t {
    Free = 0,
    Typed = 1,          // typed insertion: value = bytes typed
    Overwrite = 2,      // data = byte run of the bytes as they were
    DeletedChars = 3,   // data = byte run of the deleted bytes, in order
    Removal = 4,        // data = detached chain; value = 1 when no final line break
    Paste = 5,          // value = bytes pasted, lineBreaks = line breaks pasted
    Join = 6,           // line, column = upper record and its length before the join
    Split = 7,          // value = indent bytes put into the lower record
    BlockSnapshot = 8,  // data = copies of the block's records before the change
    BlockIndent = 9,    // column = last record; value = spaces per record, 0 for a tab
    Replace = 10,       // value = new length; data = byte run of the old text
    ReplaceAll = 11,    // line, column = caret before the change; replaceAll = every replacement
};

// One change the journal can reverse.
struct UndoEntry {
    UndoKind kind = UndoKind::Free;
    std::int32_t line = 0;        // record index of the change
    std::int32_t column = 0;      // byte column of the change (BlockIndent: last record)
    std::int32_t value = 0;       // count or flag, by kind
    std::int32_t lineBreaks = 0;  // Paste only
    // Owned: a chain of records from the record storage (Removal,
    // BlockSnapshot) or byte runs (Overwrite, DeletedChars, Replace); null
    // for the other kinds.
    RecordNode* data = nullptr;
    // Owned, ReplaceAll only: where each replacement went and what it took out.
    CReplaceAllLog* replaceAll = nullptr;
};
