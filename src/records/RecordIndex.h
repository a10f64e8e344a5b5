#pragma once
#include <cstdint>

// A record's place in a document, counted from 0; also a number of records
// or the distance between two. Documents may hold more records than 32 bits
// count, so these are 64-bit on every system (a long has 32 bits on
// Windows: never use it for them).
using RecordIndex = std::int64_t;
// Bytes of many records: a document's, a range's or a chain's byte total.
// One record's own length stays an int (at most 65535).
using ByteTotal = std::int64_t;
