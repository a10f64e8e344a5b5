#pragma once

// Texts the program shows in more than one place.
inline constexpr char kAppTitle[] = "Tabulon";
inline constexpr char kUntitledName[] = "Untitled";
