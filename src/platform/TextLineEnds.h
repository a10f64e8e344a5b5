#pragma once

// Whether the programs of this system end lines of text with LF alone
// (POSIX systems) rather than with CR LF (Windows).
#ifdef _WIN32
inline constexpr bool kLfEndsTextLines = false;
#else
inline constexpr bool kLfEndsTextLines = true;
#endif
