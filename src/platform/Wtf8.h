#pragma once
#include <string>
#include <string_view>

// Windows names files and registry keys in 16-bit units that need not be
// valid UTF-16. The program keeps such text as WTF-8: UTF-8 that may also
// carry an unpaired surrogate, so every name survives the way there and
// back. Bytes that are not WTF-8 become U+FFFD on the way to 16 bits.
std::u16string Utf16FromWtf8(std::string_view text);
std::string Wtf8FromUtf16(std::u16string_view text);
