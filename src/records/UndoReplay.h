#pragma once
#include <cstdint>

#include "records/UndoEntry.h"

class CRecordList;

// Where the caret goes after an entry was reversed.
struct UndoReplayResult {
    RecordNode* node = nullptr;
    RecordIndex line = 0;
    int column = 0;
    // Not reversed because the document would pass its counters' limit
    // (told): nothing changed, and the entry still fits the document.
    bool refused = false;
};

// Reverses `entry` at `node`, the record at entry.line (null when the list
// has no such record). Every position the entry needs is checked first: when
// one does not exist, nothing is changed and the answer is false. A Removal
// entry's chain goes back into the list (entry.data becomes null).
[[nodiscard]] bool ReplayUndoEntry(CRecordList& list, UndoEntry& entry, RecordNode* node, UndoReplayResult& result);
