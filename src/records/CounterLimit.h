#pragma once
#include <cstdint>
#include <limits>
#include <string>

#include "records/RecordIndex.h"

// A document's record count and byte total are 64-bit, as are the clipboard
// holder's: edits and clipboard reads that would pass this limit are
// refused. Long before it, memory runs out: loads are refused by the memory
// they need (records/LoadMemory.h). Every counter check asks here.
inline constexpr std::int64_t kDocumentCounterLimit = std::numeric_limits<std::int64_t>::max();

// Whether `records` records holding `bytes` bytes in all fit the counters.
[[nodiscard]] bool CountersHold(RecordIndex records, ByteTotal bytes);
// Whether `records` + `moreRecords` records and `bytes` + `moreBytes` bytes
// fit (negative: fewer), computed without overflow.
[[nodiscard]] bool CountersHoldMore(RecordIndex records, RecordIndex moreRecords, ByteTotal bytes,
                                    ByteTotal moreBytes);
// The limit in force (lower in some tests).
[[nodiscard]] std::int64_t DocumentCounterLimit();

// Tests lower the limit to reach it without gigabytes of records; 0 puts
// kDocumentCounterLimit back.
void SetDocumentCounterLimitForTesting(std::int64_t limit);
