#pragma once
#include <cstdint>

// Colours of the view's panes, as 0xRRGGBB.
using Rgb = std::uint32_t;

constexpr Rgb MakeRgb(int r, int g, int b)
{
    return (static_cast<Rgb>(r) << 16) | (static_cast<Rgb>(g) << 8) | static_cast<Rgb>(b);
}
constexpr int RedOf(Rgb c) { return static_cast<int>((c >> 16) & 0xFF); }
constexpr int GreenOf(Rgb c) { return static_cast<int>((c >> 8) & 0xFF); }
constexpr int BlueOf(Rgb c) { return static_cast<int>(c & 0xFF); }

inline constexpr Rgb kDataBackground = MakeRgb(255, 255, 255);
inline constexpr Rgb kAsciiText = MakeRgb(0, 0, 0);
inline constexpr Rgb kEbcdicText = MakeRgb(192, 0, 0);
inline constexpr Rgb kNibbleText = MakeRgb(128, 128, 128);
inline constexpr Rgb kSelectedText = MakeRgb(255, 255, 255);
inline constexpr Rgb kSelectedBackground = MakeRgb(0, 0, 0);
// Line-number pane, ruler and the view's uncovered corners.
inline constexpr Rgb kPaneBackground = MakeRgb(228, 228, 228);
