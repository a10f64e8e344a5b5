#pragma once

// Every text the clipboard commands and the "Advance Clipboard" dialog show.

// Status-bar pane 0 after Copy, Cut and Paste.
inline constexpr char kFmtCopied[] = "%d:%d - %d:%d (%d total) copied to Clipboard";
inline constexpr char kFmtMoved[] = "%d line(s) moved to Clipboard";
inline constexpr char kFmtPasted[] = "%d line(s) pasted from Clipboard";

// Clipboard data beyond the record count and byte total a document holds
// (filled in with the limit).
inline constexpr char kCapClipboardTooLarge[] = "Hold Up!";
inline constexpr char kFmtClipboardTooLarge[] =
    "The Clipboard holds more than %d records or bytes.  Operation aborted.";
// A Copy, Cut or Advance whose records would not fit in the clipboard's
// private block (caption kCapClipboardTooLarge).
inline constexpr char kMsgClipBlockTooLarge[] = "The selection is too large for the Clipboard.  Operation aborted.";

// The "Advance Clipboard" dialog (template 800).
inline constexpr char kAdvanceCaption[] = "Advance Clipboard";
inline constexpr char kAdvancePrompt[] =
    "Enter the range of records you want to capture\nfor the clipboard.  An invalid number specifies the last record.";
inline constexpr char kAdvanceStartLabel[] = "&Starting Record:";
inline constexpr char kAdvanceEndLabel[] = "&Ending Record:";
inline constexpr char kAdvanceCutLabel[] = "Cu&t";
inline constexpr char kAdvanceCopyLabel[] = "Co&py ";
inline constexpr char kAdvanceCloseLabel[] = "&Close";

// Its range check, in the order the messages are shown.
inline constexpr char kCapInvalidEntry[] = "Invalid Entry";
inline constexpr char kMsgInvalidStart[] = "Invalid starting position.";
inline constexpr char kMsgInvalidEnd[] = "Invalid ending position.";
inline constexpr char kCapInvalidEntries[] = "Invalid Entries";
inline constexpr char kMsgStartAfterEnd[] = "Starting position must come before\nthe ending position.";
inline constexpr char kCapPastLastRecord[] = "Past Last Record";
inline constexpr char kMsgEndSetToLast[] = "Ending position will be set at the last record.";
// A start beyond the document would make a reversed range.
inline constexpr char kFmtStartPastLast[] = "Starting position is past the last record (%d).";
