#pragma once
#include "records/RecordIndex.h"

class CRecordList;
struct RecordNode;

// Whether deleting the range would leave its joined record within 65535
// bytes: the start column plus the end record's bytes after the end column.
// When not, shows "Record exceeds maximum size.  Operation aborted." and
// answers false.
[[nodiscard]] bool CheckJoinLength(RecordNode* startNode, RecordIndex startIndex, int startColumn,
                                   RecordIndex endIndex, int endColumn);

// A non-empty range the list holds (see CRecordList's ranges). `endNode`
// comes back as the end record, null when the end index is the record count
// (the end of the last record).
[[nodiscard]] bool RangeIsValid(const CRecordList& list, RecordNode* startNode, RecordIndex startIndex,
                                int startColumn, RecordIndex endIndex, int endColumn, RecordNode*& endNode);
