#pragma once
#include <cstdint>

#include "records/RecordIndex.h"

// Whether a file fits in memory, asked before it is read and again before
// its records are made: a load that would not fit is refused with
// "Cannot open ... needs more memory than is available." rather than left
// to fail half-way (on Linux an allocation rarely fails: the process would
// be killed instead).

// What a load keeps beyond the file's bytes: one record node per record.
inline constexpr std::uint64_t kMemoryPerRecord = 32;

// Whether `bytes` more bytes of memory can be had now.
[[nodiscard]] bool MemoryAvailableFor(std::uint64_t bytes);

// Tests pretend the system has only `bytes` available; 0 asks the system
// again.
void SetAvailableMemoryForTesting(std::uint64_t bytes);
