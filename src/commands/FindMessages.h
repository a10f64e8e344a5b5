#pragma once

// Texts of the Find and Replace and the Jump dialogs.

inline constexpr char kFindReplaceCaption[] = "Find and Replace";
inline constexpr char kMsgPatternNotFound[] = "Pattern not found.";
inline constexpr char kCapPatternNotFound[] = "Doh!";
// Replace or Replace All met only matches that run across a record
// boundary (caption kCapPatternNotFound).
inline constexpr char kMsgOnlySpanningMatches[] =
    "No match lies within one record; matches that span records are not replaced.";

// A text the dialog refuses (the caption is the program's title).
inline constexpr char kMsgTextTooLong[] = "Enter no more than 20 characters.";
inline constexpr char kMsgIncompleteEscape[] =
    "\\x needs two characters after it, the hexadecimal digits of a byte (for example \\x0A).";

inline constexpr char kJumpCaption[] = "Jump";
inline constexpr char kMsgNoOtherRecords[] = "No other records found.";
inline constexpr char kCapJumpError[] = "Jump Error";

// The Jump dialog's modes, in the order of its Mode box.
inline constexpr const char* kJumpModeNames[] = {"Select Record", "Longest Record", "Record Length"};
