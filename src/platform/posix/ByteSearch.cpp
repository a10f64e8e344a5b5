#include "platform/ByteSearch.h"

#include <cstring>

const void* FindBytes(const void* bytes, std::size_t size, const void* needle, std::size_t needleSize)
{
    return memmem(bytes, size, needle, needleSize);
}

const void* FindLastByte(const void* bytes, unsigned char byte, std::size_t size)
{
    return memrchr(bytes, byte, size);
}
