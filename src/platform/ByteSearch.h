#pragma once
#include <cstddef>

// Searches in memory with the system's fastest means (the C library's
// memmem and memrchr where it has them).

// The first place where `needle` occurs in `bytes`, or null.
const void* FindBytes(const void* bytes, std::size_t size, const void* needle, std::size_t needleSize);
// The last occurrence of `byte` in `bytes`, or null.
const void* FindLastByte(const void* bytes, unsigned char byte, std::size_t size);
