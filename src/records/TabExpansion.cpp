#include "records/TabExpansion.h"

#include <cstring>

#include "records/RecordNode.h"

int ExpandTabsInto(const std::uint8_t* in, int length, std::uint8_t* out, int tabWidth)
{
    // A broken setting must not break the arithmetic.
    if (tabWidth < 1) tabWidth = 1;
    if (tabWidth > kMaxRecordLength) tabWidth = kMaxRecordLength;
    int read = 0;
    int written = 0;
    int total = length;  // length of the record as expanded so far
    while (read < length && total < kMaxRecordLength) {
        const std::uint8_t c = in[read++];
        if (c != '\t') {
            out[written++] = c;
            continue;
        }
        int spaces = tabWidth - written % tabWidth;
        if (total + spaces > kMaxRecordLength) spaces = kMaxRecordLength - total;
        std::memset(out + written, ' ', static_cast<std::size_t>(spaces));
        written += spaces;
        total += spaces - 1;
    }
    std::memcpy(out + written, in + read, static_cast<std::size_t>(length - read));
    return total;
}
