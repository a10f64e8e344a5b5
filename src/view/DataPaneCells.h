#pragma once
#include <cstdint>
#include <vector>

#include "records/RecordIndex.h"

#include "view/ViewColours.h"

class CAppViewBase;

// How a cell of the data pane is drawn.
enum class CellStyle : std::uint8_t {
    Blank,     // nothing drawn: stays white
    Ascii,     // black character on white
    Ebcdic,    // dark red character on white
    Nibble,    // grey hex digit on white
    Selected,  // white on black
};
inline constexpr int kCellStyleCount = 5;

struct Cell {
    char ch = ' ';
    CellStyle style = CellStyle::Blank;
    bool operator==(const Cell&) const = default;
};

Rgb TextColour(CellStyle style);
Rgb BackColour(CellStyle style);

// The character row's cell of a stored byte (unselected): the byte itself in
// ASCII view, its EbcdicToDisplay character otherwise; "." for what is not
// printable, a space for a tab in source mode.
Cell CharacterCell(std::uint8_t byte, bool asciiView, bool sourceMode);
// A nibble row's cell: the high (row 1) or low (row 2) hex digit.
Cell NibbleCell(std::uint8_t byte, int rowInRecord);

// The cells of one screen row of the data pane: pageCols cells from leftCol
// on, of row rowInRecord of record `record`.
void BuildDataRow(const CAppViewBase& view, const std::uint8_t* data, int length, RecordIndex record,
                  int rowInRecord, std::vector<Cell>& cells);

// Every screen row of the data pane from the top, pageRows at most, ending
// with the last record. Costs in proportion to the cells on screen.
std::vector<std::vector<Cell>> BuildDataPane(const CAppViewBase& view);

// Cell geometry: the text origin of visible column c, screen row i.
inline int CellLeft(int charWidth, int c) { return charWidth * c + 5; }
inline int CellTop(int charHeight, int i) { return charHeight * i + 3; }
