#pragma once
#include <bitset>
#include <cstdint>

#include "commands/FindPattern.h"
#include "records/RecordNode.h"

// A place in the document: a record, its index and a byte column.
struct FindPosition {
    RecordNode* node = nullptr;
    RecordIndex record = 0;
    std::int32_t column = 0;
};

// A parsed pattern made ready for one view: which stored bytes each pattern
// byte accepts. A literal byte accepts itself; a plain byte accepts itself
// in the ASCII view and, in the EBCDIC view, every stored byte whose display
// character it is.
class CFindMatcher {
public:
    CFindMatcher(const FindPattern& pattern, bool asciiView);

    int Length() const { return length_; }
    bool Accepts(int index, std::uint8_t byte) const { return accept_[index][byte]; }

    // The first start in [from, last] of a match inside `data`, or -1; the
    // caller keeps last + Length() within the record.
    int FirstIn(const std::uint8_t* data, int from, int last) const;
    // The highest start in [first, from] of a match inside `data`, or -1.
    int LastIn(const std::uint8_t* data, int first, int from) const;
    // Whether a match starts at `at`, its bytes running on into the
    // following records (joined without line breaks) where the record ends;
    // `end` comes back just after its last byte.
    bool MatchAt(const FindPosition& at, FindPosition& end) const;

private:
    bool MatchesInside(const std::uint8_t* data) const;

    int length_ = 0;
    // Every pattern byte accepts exactly the byte in exact_ (no EBCDIC
    // alternatives): the scans can use the C library's fast searches.
    bool exact_ = true;
    std::uint8_t exact_bytes_[kMaxPatternBytes] = {};
    std::bitset<256> accept_[kMaxPatternBytes];
};
