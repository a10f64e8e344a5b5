#pragma once
#include <cstdint>

// Display columns of a record's bytes. Outside source mode every byte takes
// one column; in source mode a tab (9) advances to the next multiple of the
// tab width. A tabWidth of 0 stands for "outside source mode".

inline constexpr std::uint8_t kTabByte = 9;

// The tab width to pass below: 0 outside source mode, else srcMark (at least 1).
int TabWidthFor(bool sourceMode, int srcMark);

// The column reached after the first n bytes; 0 when n <= 0. Bytes past the
// record's end count one column each.
int ByteToColumn(const std::uint8_t* data, int length, int n, int tabWidth);

// The first byte index, 0 to length, whose start column is at least col;
// length + 1 when col lies beyond the record's width. A column inside a tab's
// expansion maps to the byte after the tab. Outside source mode the identity
// (negative columns give 0).
int ColumnToByte(const std::uint8_t* data, int length, int col, int tabWidth);

// Where a click or a vertical caret move at column col lands: outside source
// mode min(col, length); in source mode the first index 0 to length - 1 whose
// start column is at least col, else length. Negative columns count as 0.
int LocateByte(const std::uint8_t* data, int length, int col, int tabWidth);

// Walks a record once for a run of non-decreasing columns, so a row of cells
// costs one pass over the bytes it shows.
class ColumnWalker {
public:
    ColumnWalker(const std::uint8_t* data, int length, int tabWidth);

    // ColumnToByte(col) for col not smaller than at the previous call.
    int ByteAt(int col);
    // The start column of the byte ByteAt answered last (its ByteToColumn).
    int StartColumn() const { return column_; }

private:
    const std::uint8_t* data_;
    int length_;
    int tabWidth_;
    int index_ = 0;   // next byte to walk
    int walked_ = 0;  // start column of byte index_
    int column_ = 0;  // start column of the byte answered last
};
