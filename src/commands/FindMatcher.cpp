#include "commands/FindMatcher.h"

#include <cstring>

#include "platform/ByteSearch.h"
#include "view/EbcdicTables.h"

CFindMatcher::CFindMatcher(const FindPattern& pattern, bool asciiView) : length_(pattern.length)
{
    for (int i = 0; i < length_; ++i) {
        const std::uint8_t b = pattern.bytes[i];
        if (asciiView || pattern.literal[i]) {
            accept_[i].set(b);
        } else {
            for (int stored = 0; stored < 256; ++stored)
                if (EbcdicToDisplay[stored] == b) accept_[i].set(static_cast<std::size_t>(stored));
        }
        exact_ = exact_ && accept_[i].count() == 1 && accept_[i][b];
        exact_bytes_[i] = b;
    }
}

bool CFindMatcher::MatchesInside(const std::uint8_t* data) const
{
    if (exact_) return std::memcmp(data, exact_bytes_, static_cast<std::size_t>(length_)) == 0;
    for (int i = 0; i < length_; ++i)
        if (!accept_[i][data[i]]) return false;
    return true;
}

int CFindMatcher::FirstIn(const std::uint8_t* data, int from, int last) const
{
    if (length_ <= 0 || from > last) return -1;
    if (exact_) {
        const std::size_t span = static_cast<std::size_t>(last - from + length_);
        const void* hit = length_ == 1 ? std::memchr(data + from, exact_bytes_[0], span)
                                       : FindBytes(data + from, span, exact_bytes_, static_cast<std::size_t>(length_));
        return hit ? static_cast<int>(static_cast<const std::uint8_t*>(hit) - data) : -1;
    }
    for (int s = from; s <= last; ++s)
        if (accept_[0][data[s]] && MatchesInside(data + s)) return s;
    return -1;
}

int CFindMatcher::LastIn(const std::uint8_t* data, int first, int from) const
{
    if (length_ <= 0) return -1;
    if (exact_) {
        while (from >= first) {
            const void* hit =
                FindLastByte(data + first, exact_bytes_[0], static_cast<std::size_t>(from - first + 1));
            if (!hit) return -1;
            const int s = static_cast<int>(static_cast<const std::uint8_t*>(hit) - data);
            if (MatchesInside(data + s)) return s;
            from = s - 1;
        }
        return -1;
    }
    for (int s = from; s >= first; --s)
        if (accept_[0][data[s]] && MatchesInside(data + s)) return s;
    return -1;
}

bool CFindMatcher::MatchAt(const FindPosition& at, FindPosition& end) const
{
    if (length_ <= 0 || !at.node || at.column < 0) return false;
    RecordNode* node = at.node;
    RecordIndex record = at.record;
    int column = at.column;
    for (int k = 0; k < length_;) {
        if (column >= node->length) {
            node = node->next;
            if (!node) return false;  // the document ends first
            ++record;
            column = 0;
            continue;
        }
        if (!accept_[k][node->data[column]]) return false;
        ++k;
        ++column;
    }
    end = {node, record, column};
    return true;
}
