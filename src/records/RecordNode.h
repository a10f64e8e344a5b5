#pragma once
#include <cstdint>

#include "records/RecordIndex.h"

// The longest record the program holds, in bytes (records carry no line
// terminator). Edits stop one short of it; joins and divided long lines may
// reach it.
inline constexpr int kMaxRecordLength = 65535;

// One record of the document: a run of bytes of its own length, linked both
// ways to its neighbours. The bytes are in a buffer of its own, or, from a
// load until the first change, borrowed from the file's image
// (records/FileImage.h): then `capacity` is 0 and the bytes must not be
// written.
struct RecordNode {
    std::uint16_t length = 0;
    std::uint16_t capacity = 0;  // size of an own `data` (>= length); 0 when borrowed
    // The group of the document's node index (records/NodeIndex.h) while the
    // record is in a document; it fills what would be padding.
    std::uint32_t group = 0;
    std::uint8_t* data = nullptr;
    RecordNode* prev = nullptr;
    RecordNode* next = nullptr;
};

constexpr bool IsBorrowed(const RecordNode* node) { return node->capacity == 0; }

// Buffer size for a record of `length` bytes: the next multiple of 64 above
// it, at most 65535. Buffers grow in these steps so that typing is cheap.
constexpr std::uint16_t CapacityFor(int length)
{
    const int rounded = (length / 64 + 1) * 64;
    return static_cast<std::uint16_t>(rounded > kMaxRecordLength ? kMaxRecordLength : rounded);
}

// Steps |delta| records along `next` (delta > 0) or `prev` (delta < 0).
// Returns the record reached, or null when the walk runs off either end.
// For short distances: a far record is found through the document's node
// index (CRecordList::NodeAt).
[[nodiscard]] RecordNode* FindRelative(RecordNode* node, RecordIndex delta);
