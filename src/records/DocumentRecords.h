#pragma once
#include <cstdint>
#include <memory>
#include <string>

#include "records/RecordList.h"

// The record side of the document's File > New and File > Open, free of the
// toolkit. The document owns the lists made here (it publishes the current
// one as theRecordList) and shows the wait cursor around an open.

// Source mode and hex display for a new or opened document: on when the
// request's bit 2 (source) or bit 3 (hex) is set or the autoSource or
// autoHex setting is on. Sets the view's sourceMode and rowsPerRecord.
void ApplyOpenRequestToView(std::uint16_t flags);

// The records of a new, untitled document: no file name, DOS, one empty
// record. Null only when memory runs out (already reported).
std::unique_ptr<CRecordList> NewUntitledRecords();

struct OpenedRecords {
    std::unique_ptr<CRecordList> records;
    // CannotOpen: nothing could be read and `records` is an untitled
    // document; the caller says "Cannot open ..." (kFmtCannotOpen). Refused
    // also gives an untitled document, but the user has been told already.
    // Partial: the records read are kept under the file's name, and the
    // user has been warned.
    LoadOutcome outcome;
};

// Reads `path` (already canonical) for an open request: flag bits 0-1 are
// the mode request, a non-zero width requests BINARY. When no record could
// be read the result is an untitled document instead.
OpenedRecords OpenRecords(const std::string& path, std::uint16_t flags, std::int32_t width);
