#pragma once
#include <cstdint>

#include "records/RecordNode.h"

// A byte run: a RecordNode that the undo journal uses as a small growable
// buffer for the bytes it must put back. Its capacity grows in steps of 8
// (to the next multiple of 8 above the length), so a run of a few
// overwritten or deleted bytes costs a few bytes. Runs do not come from the
// record storage: free them only with FreeByteRuns. Several runs of one entry
// are linked along `next`.

// A run holding a copy of `length` bytes (0 to 65535). Null when memory runs
// out.
[[nodiscard]] RecordNode* NewByteRun(const std::uint8_t* bytes, int length);
// Adds one byte at the end or at the front. False when the run is full or
// memory runs out (the run is unchanged).
[[nodiscard]] bool AppendToByteRun(RecordNode* run, std::uint8_t byte);
[[nodiscard]] bool PrependToByteRun(RecordNode* run, std::uint8_t byte);
// Frees `first` and every run after it along `next`.
void FreeByteRuns(RecordNode* first);

// Capacity of a run of `length` bytes: the next multiple of 8 above it, at
// most 65535.
constexpr std::uint16_t ByteRunCapacityFor(int length)
{
    const int rounded = (length / 8 + 1) * 8;
    return static_cast<std::uint16_t>(rounded > kMaxRecordLength ? kMaxRecordLength : rounded);
}
