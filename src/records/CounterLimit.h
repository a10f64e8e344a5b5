#pragma once
#include <cstdint>

// A document's record count and byte total are 32-bit, as are the clipboard
// holder's: loads, clipboard reads and edits that would pass this limit are
// refused. Every such check asks CountersHold, so that wider counters need
// only a wider limit here.
inline constexpr std::int64_t kDocumentCounterLimit = 2147483647;

// Whether `records` records holding `bytes` bytes in all fit the counters.
[[nodiscard]] bool CountersHold(std::int64_t records, std::int64_t bytes);

// Tests lower the limit to reach it without gigabytes of records; 0 puts
// kDocumentCounterLimit back.
void SetDocumentCounterLimitForTesting(std::int64_t limit);
