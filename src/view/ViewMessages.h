#pragma once

// Texts the view puts into the status bar. (Its message boxes about record
// sizes are the record list's own, records/RecordMessages.h.)

// First and last selected position, 1-based record and column.
inline constexpr char kFmtSelected[] = "%d:%d - %d:%d selected";
