#pragma once

struct RecordNode;

// Whether deleting the range would leave its joined record within 65535
// bytes: the start column plus the end record's bytes after the end column.
// When not, shows "Record exceeds maximum size.  Operation aborted." and
// answers false.
bool CheckJoinLength(RecordNode* startNode, int startIndex, int startColumn, int endIndex, int endColumn);

// The block indent: srcMark spaces under srcType, else 0 for one tab.
int BlockIndentSpaces();
// Tab width for the block shift, within the 2 to 10 the settings allow.
int BlockTabWidth();
