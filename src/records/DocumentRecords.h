#pragma once
#include <cstdint>
#include <memory>
#include <string>

#include "records/RecordList.h"

// The record side of the document's File > New and File > Open, free of the
// toolkit. The document owns the lists made here (it publishes the current
// one as theRecordList) and shows the wait cursor around an open; the view's
// modes follow the request (CAppViewBase::ApplyOpenRequest).

// The records of a new, untitled document: no file name, DOS, one empty
// record. Null only when memory runs out (already reported).
[[nodiscard]] std::unique_ptr<CRecordList> NewUntitledRecords();

struct OpenedRecords {
    std::unique_ptr<CRecordList> records;
    // CannotOpen: nothing could be read and `records` is an untitled
    // document; the caller says "Cannot open ..." (kFmtCannotOpen). Refused:
    // the file needs more memory than is available; the user has been told
    // and `records` is null, so that the caller keeps the document it has.
    // Partial: the records read are kept under the file's name, and the
    // user has been warned.
    LoadOutcome outcome;
    // The file was opened as binary records (whatever was read): source
    // mode makes no sense for them.
    bool binary = false;
    // The records are those of the document's autosave copy, not yet saved
    // (records/RecoveryOffer.h): the document starts modified.
    bool recovered = false;
};

// Reads `path` (already canonical) for an open request: flag bits 0-1 are
// the mode request, a non-zero width requests BINARY. When no record could
// be read the result is an untitled document instead. `progress`, when
// given, is shown how a long load goes.
[[nodiscard]] OpenedRecords OpenRecords(const std::string& path, std::uint16_t flags, std::int32_t width,
                                        IProgressSink* progress = nullptr);
