#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>

#include "platform/TextLineEnds.h"
#include "records/RecordChain.h"

class CClipRecords;

// The two forms in which records travel through the system clipboard.
//
// The private block "KELVOX" keeps every byte and every record boundary
// (numbers little-endian):
//   0  4  block size in bytes, this field included: 5 + sum of (2 + length)
//   4  1  1 when the data ends with a line break, else 0
//   5  2  length of the first record, then its bytes; each further record
//         the same way
// The text form is every record's bytes with CR LF after each record but
// the last (and after the last too when the data ends with a line break),
// then one zero byte.
//
// Clipboard data comes from other programs: decoding reads only the bytes
// given, whatever the block's size field or record lengths claim, and builds
// its records aside, so that nothing changes until it has succeeded.

// An owned run of bytes.
struct ClipBytes {
    std::unique_ptr<std::uint8_t[]> data;
    std::size_t size = 0;
};

inline constexpr char kClipFormatName[] = "KELVOX";
inline constexpr std::size_t kClipBlockHeader = 5;

// The most bytes a private block holds: its size field has 32 bits.
inline constexpr std::uint64_t kClipBlockLimit = 0xFFFFFFFFu;
// Whether `records` records holding `bytes` bytes in all fit in a private
// block: 5 bytes, and 2 bytes and the length for each record. (Its record
// count is bounded by the same field.)
[[nodiscard]] bool ClipBlockHolds(RecordIndex records, ByteTotal bytes);
// Tests lower the limit to reach it without gigabytes; 0 puts
// kClipBlockLimit back.
void SetClipBlockLimitForTesting(std::uint64_t limit);

// The private block for the chain from `head`. False when it cannot be made:
// larger than its 32-bit size field allows, or out of memory (reported).
bool EncodeClipBlock(const RecordNode* head, bool endsWithBreak, ClipBytes& out);
// The text form, final zero byte included. False when out of memory
// (reported).
bool EncodeClipText(const RecordNode* head, bool endsWithBreak, ClipBytes& out);

// What ends a record in text: CR LF only (the text form as written), or a
// bare LF as well (text from other programs on a system whose lines end
// with LF alone).
enum class ClipLineBreaks { CrLf, CrLfOrLf };

enum class ClipDecode {
    Records,      // `out` holds the records (possibly none)
    Unusable,     // not this form at all: a block shorter than its header
    TooLarge,     // more records or bytes than the counters hold
    OutOfMemory,  // reported already
};

// Decodes a private block. A size field past the data or record lengths past
// its end stop the reading at the data's end; what was read is kept, without
// the line-break flag (its last record is incomplete).
ClipDecode DecodeClipBlock(const std::uint8_t* data, std::size_t size, RecordChain& out);
// Decodes text up to its first zero byte. A line longer than a record can
// hold is divided into records of at most 65535 bytes.
ClipDecode DecodeClipText(const std::uint8_t* data, std::size_t size, ClipLineBreaks breaks, RecordChain& out);

// The forms the clipboard may offer, in the order Paste prefers them.
enum class ClipForm { Block, Text };

// What ends a record in pasted text on this system.
inline constexpr ClipLineBreaks kPastedTextBreaks = kLfEndsTextLines ? ClipLineBreaks::CrLfOrLf : ClipLineBreaks::CrLf;

// Decodes clipboard bytes of one form into the holder, replacing its
// records; text breaks into records by kPastedTextBreaks. False, with the
// holder unchanged, when they are unusable (a clipboard too large for the
// counters is reported to the user).
bool LoadClipForm(CClipRecords& holder, ClipForm form, const std::uint8_t* data, std::size_t size);
