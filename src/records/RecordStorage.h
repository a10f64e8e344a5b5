#pragma once
#include <cstddef>
#include <cstdint>

#include "records/RecordNode.h"

// Creating and freeing records. Every record, whether it sits in the
// document's list, in an undo entry or in the clipboard holder, comes from
// here and goes back here, so that the storage can keep many small records
// compactly.

// An unlinked record holding a copy of `length` bytes of `source` (nothing is
// read when length is 0), with a buffer by the capacity rule. Null when
// memory runs out; nothing is shown then (see ReportOutOfMemory).
[[nodiscard]] RecordNode* AllocateRecord(const std::uint8_t* source, int length);

class CFileImage;

// An unlinked record borrowing `length` bytes at `bytes` from `image`, which
// it holds until it is freed or gets its own buffer. Null when memory runs
// out (nothing shown).
[[nodiscard]] RecordNode* BorrowRecord(CFileImage* image, const std::uint8_t* bytes, int length);

// Gives a borrowed record a buffer of its own, sized by the capacity rule
// for its length as a load would have, so that it can be written. True at
// once for a record that owns its bytes; false when memory runs out (record
// unchanged).
[[nodiscard]] bool OwnRecord(RecordNode* node);

// Makes the record writable with room for `length` bytes: a record still
// borrowing the file's bytes copies them into a buffer of its own (its
// first change), and an own buffer grows by the capacity rule once `length`
// reaches its end. False when memory runs out (record unchanged).
[[nodiscard]] bool MakeRoom(RecordNode* node, int length);

// Frees a record and its buffer (or its hold on the image it borrows
// from). The record must already be unlinked, or be part of a chain that is
// freed as a whole.
void FreeRecord(RecordNode* node);

// True when the record's bytes lie where it may read them: within its own
// buffer, or within a live file image. For consistency checks.
[[nodiscard]] bool RecordBytesInPlace(const RecordNode* node);

// Frees `first` and every record after it along `next`.
void FreeChain(RecordNode* first);

// Gives the record a fresh buffer sized by the capacity rule for `length`
// bytes (at most 65535), keeping its current bytes. Only for growing: the
// callers decide when a buffer is too small. A borrowed record gets at
// least room for its current bytes. False when memory runs out
// (record unchanged).
[[nodiscard]] bool GrowRecord(RecordNode* node, int length);

// Record nodes that one block of node memory holds: a block of
// CBlockPool::kSlabSize bytes from MapAlignedPages.
[[nodiscard]] std::size_t RecordsPerNodeBlock();
// Takes over blocks of node memory made ready (touched) elsewhere, such as
// on the thread that read a file ahead, so that loading does not wait for
// fresh memory; the storage owns them afterwards.
void AddNodeMemory(void* const* blocks, std::size_t count);
// Bytes of node memory held ready for records not yet made (made ready
// ahead of a load, or freed by records gone).
[[nodiscard]] std::uint64_t SpareNodeMemory();
// Gives memory that holds no record back to the system (after a load).
void TrimRecordStorage();

// The out-of-memory report: "Out of Memory. Program will be stopped." and a
// request to end the program with exit code -1. Callers then return null.
void ReportOutOfMemory();

// Lets tests reach the out-of-memory paths: after `successes` more
// allocations every allocation fails, until this is called with -1.
void FailRecordAllocationsAfter(int successes);
