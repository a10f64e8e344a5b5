#include "platform/ByteSearch.h"

#include <cstring>

// The Windows C library has neither memmem nor memrchr: memchr finds the
// candidates.
const void* FindBytes(const void* bytes, std::size_t size, const void* needle, std::size_t needleSize)
{
    if (needleSize == 0) return bytes;
    if (needleSize > size) return nullptr;
    const auto* at = static_cast<const unsigned char*>(bytes);
    const auto* first = static_cast<const unsigned char*>(needle);
    const unsigned char* const last = at + (size - needleSize);
    while (at <= last) {
        const auto* hit = static_cast<const unsigned char*>(std::memchr(at, *first, static_cast<std::size_t>(last - at) + 1));
        if (!hit) return nullptr;
        if (std::memcmp(hit + 1, first + 1, needleSize - 1) == 0) return hit;
        at = hit + 1;
    }
    return nullptr;
}

const void* FindLastByte(const void* bytes, unsigned char byte, std::size_t size)
{
    const auto* begin = static_cast<const unsigned char*>(bytes);
    for (const unsigned char* at = begin + size; at != begin;)
        if (*--at == byte) return at;
    return nullptr;
}
