#pragma once

// Texts of printed pages.
inline constexpr char kPageFooterFormat[] = "Page %d";
// Put before a header whose leading folders were dropped, with the dropped
// separator after it: ".../" or "...\".
inline constexpr char kShortenedPathPrefix[] = "...";
// The print font's face; where it is missing a fixed-pitch face of this
// system stands in.
inline constexpr char kPrintFontFace[] = "Courier New";
