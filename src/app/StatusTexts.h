#pragma once
#include <cstdint>
#include <string>

// The texts of the main frame's status-bar panes, computed without the
// toolkit. Pane 0 takes messages and the caret's byte, pane 1 the caret
// position, panes 2 to 5 the display modes.

// Pane 1: "[%d,%d]" with the 1-based record and column, the record in 64
// bits.
std::string CaretPositionText(std::int64_t caretRecord, std::int32_t caretByte);
// The widest text pane 1 is sized for: a record number of 13 digits (more
// records than memory holds) and a column of 5.
inline constexpr char kWidestPositionText[] = "[0000000000000,00000]";

// Pane 0 for the caret: the record's length ("%d bytes ", or " 1 byte "),
// then "[eol]" when the caret stands after the last byte, else the byte under
// it as "['%c',0x%x]" ("['',0x00]" for a zero byte). `byteAtCaret` is read
// only when the caret is inside the record.
std::string CaretByteText(std::int32_t recordLength, std::int32_t caretByte,
                          std::uint8_t byteAtCaret);

// Pane 2: "HEX" in hex display (three rows per record), else three blanks.
const char* HexPaneText(std::int32_t rowsPerRecord);
// Pane 3: the stored mode: 1 "DOS", 2 "UNX", anything else "BIN".
const char* FormatPaneText(std::uint32_t storedMode);
// Pane 4: "SRC" in source mode, else three blanks.
const char* SourcePaneText(bool sourceMode);
// Pane 5: "INS" when typing inserts, "OVR" when it overwrites.
const char* InsertPaneText(bool insertMode);
