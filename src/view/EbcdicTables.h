#pragma once
#include <cstdint>

// The EBCDIC view's character tables, indexed by a byte value.
// EbcdicToDisplay turns a stored byte into the character shown; it keeps 00-3F
// and otherwise follows code page 037 for letters, digits, space and most
// punctuation, with its own values elsewhere. DisplayToEbcdic turns a typed
// character into the stored byte; for every printable character c,
// EbcdicToDisplay[DisplayToEbcdic[c]] == c.
extern const std::uint8_t EbcdicToDisplay[256];
extern const std::uint8_t DisplayToEbcdic[256];
