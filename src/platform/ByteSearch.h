#pragma once
#include <cstddef>
#include <cstring>

// Searches in memory with the C library's fastest means. memmem and memrchr
// are GNU extensions; without them (the Windows C library) memchr finds the
// candidates. Inline, as the find engine calls them once per record.

// The first place where `needle` occurs in `bytes`, or null.
inline const void* FindBytes(const void* bytes, std::size_t size, const void* needle, std::size_t needleSize)
{
#ifdef __GLIBC__
    return memmem(bytes, size, needle, needleSize);
#else
    if (needleSize == 0) return bytes;
    if (needleSize > size) return nullptr;
    const auto* at = static_cast<const unsigned char*>(bytes);
    const auto* first = static_cast<const unsigned char*>(needle);
    const unsigned char* const last = at + (size - needleSize);
    while (at <= last) {
        const auto* hit =
            static_cast<const unsigned char*>(std::memchr(at, *first, static_cast<std::size_t>(last - at) + 1));
        if (!hit) return nullptr;
        if (std::memcmp(hit + 1, first + 1, needleSize - 1) == 0) return hit;
        at = hit + 1;
    }
    return nullptr;
#endif
}

// The last occurrence of `byte` in `bytes`, or null.
inline const void* FindLastByte(const void* bytes, unsigned char byte, std::size_t size)
{
#ifdef __GLIBC__
    return memrchr(bytes, byte, size);
#else
    const auto* begin = static_cast<const unsigned char*>(bytes);
    for (const unsigned char* at = begin + size; at != begin;)
        if (*--at == byte) return at;
    return nullptr;
#endif
}
