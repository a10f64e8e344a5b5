#pragma once
#include <cstdint>

// Copies `length` bytes from `in` to `out` (room for 65535 bytes) with every
// tab replaced by spaces up to the next multiple of `tabWidth` columns. The
// result never grows past 65534 bytes: a tab that would push it further gets
// only the spaces that fit, and later tabs become single spaces. A record of
// 65535 bytes is copied unchanged. Returns the new length.
int ExpandTabsInto(const std::uint8_t* in, int length, std::uint8_t* out, int tabWidth);
