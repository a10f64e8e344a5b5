#pragma once
#include <cstdint>

#include "records/RecordNode.h"

class CRecordList;

// Records taken out of the document (or copied from it) travel as a detached
// chain: linked by prev and next like the list's own, with their count, their
// byte total and whether the data ends with a line break (its last record is
// complete). Whoever holds a chain owns its records and frees them through
// the record storage (FreeChain).
struct RecordChain {
    RecordNode* head = nullptr;
    RecordNode* tail = nullptr;
    RecordIndex recordCount = 0;
    ByteTotal totalBytes = 0;
    bool endsWithBreak = false;
};

// Count, byte total and last record of the chain that starts at `head`.
[[nodiscard]] RecordChain MeasureChain(RecordNode* head);

// Moves the bytes of `node` from `column` on into a new record linked after
// it; `node` keeps the first `column` bytes and the totals stay exact. At
// column 0 the new record takes everything and `node` is left empty. Null
// when memory runs out (already reported).
[[nodiscard]] RecordNode* SplitOffTail(CRecordList& list, RecordNode* node, int column);

// Unlinks the records from `first` up to, not including, `after` (null: to
// the last record) and takes them off the list's totals.
[[nodiscard]] RecordChain DetachChain(CRecordList& list, RecordNode* first, RecordNode* after);

// Links a detached chain in before `before` (null: after the last record)
// and adds it to the list's totals. The list owns the records afterwards.
void LinkChain(CRecordList& list, RecordNode* before, const RecordChain& chain);

// Unlinks one record, takes it off the totals and frees it.
void RemoveRecord(CRecordList& list, RecordNode* node);
