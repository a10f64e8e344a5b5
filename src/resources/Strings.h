#pragma once

// Texts the program shows in more than one place.
inline constexpr char kAppTitle[] = "Tabulon";
inline constexpr char kUntitledName[] = "Untitled";
// A number field that holds no number (Jump, Advance Clipboard).
inline constexpr char kMsgEnterInteger[] = "Please enter an integer.";

// The program's help page, opened by Help > Web Help and named in the idle
// prompt of the status bar.
inline constexpr char kWebHelpAddress[] = "https://tabulon.example.org/help/";
