#pragma once
#include <cstdint>

// How a file is read and written. The stored mode is a 16-bit value: bit 0
// DOS (CR LF), bit 1 UNIX (LF), neither: binary records of a fixed width.
// Both bits (possible from the command line) read with no line end at all
// and save as DOS.
inline constexpr std::uint16_t kModeBinary = 0;
inline constexpr std::uint16_t kModeDos = 1;
inline constexpr std::uint16_t kModeUnix = 2;

// An open request is a flag word plus a record width. Flag bits 0-1 are the
// mode request (0 AUTO, 1 DOS, 2 UNIX), bit 2 source mode, bit 3 hex
// display. A non-zero width requests BINARY with that width whatever bits
// 0-1 say.
inline constexpr std::uint16_t kRequestAuto = 0;
inline constexpr std::uint16_t kRequestModeMask = 3;
inline constexpr std::uint16_t kRequestSource = 4;
inline constexpr std::uint16_t kRequestHex = 8;

// Record width used when AUTO finds binary data or a long line is loaded as
// binary.
inline constexpr std::int32_t kDefaultBinaryWidth = 64;

constexpr bool IsTextMode(std::uint16_t mode) { return (mode & (kModeDos | kModeUnix)) != 0; }

// The form a document with this stored mode is saved in: DOS when bit 0 is
// set, else UNIX when bit 1 is set, else binary.
constexpr std::uint16_t SaveModeFor(std::uint16_t mode)
{
    return (mode & kModeDos) ? kModeDos : (mode & kModeUnix) ? kModeUnix : kModeBinary;
}
