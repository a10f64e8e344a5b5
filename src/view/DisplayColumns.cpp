#include "view/DisplayColumns.h"

#include <algorithm>

namespace {

int Advance(std::uint8_t byte, int column, int tabWidth)
{
    return byte == kTabByte ? column + (tabWidth - column % tabWidth) : column + 1;
}

}  // namespace

int TabWidthFor(bool sourceMode, int srcMark)
{
    return sourceMode ? std::max(1, srcMark) : 0;
}

int ByteToColumn(const std::uint8_t* data, int length, int n, int tabWidth)
{
    if (n <= 0) return 0;
    if (tabWidth <= 0) return n;
    const int walked = std::min(n, length);
    int column = 0;
    for (int i = 0; i < walked; ++i) column = Advance(data[i], column, tabWidth);
    return column + (n - walked);
}

int ColumnToByte(const std::uint8_t* data, int length, int col, int tabWidth)
{
    if (col <= 0) return 0;
    if (tabWidth <= 0) return col;
    int column = 0;
    for (int i = 0; i < length; ++i) {
        if (column >= col) return i;
        column = Advance(data[i], column, tabWidth);
    }
    return column >= col ? length : length + 1;
}

int LocateByte(const std::uint8_t* data, int length, int col, int tabWidth)
{
    if (col <= 0) return 0;
    if (tabWidth <= 0) return std::min(col, length);
    int column = 0;
    for (int i = 0; i < length; ++i) {
        if (column >= col) return i;
        column = Advance(data[i], column, tabWidth);
    }
    return length;
}

ColumnWalker::ColumnWalker(const std::uint8_t* data, int length, int tabWidth)
    : data_(data), length_(length), tabWidth_(tabWidth)
{
}

int ColumnWalker::ByteAt(int col)
{
    if (tabWidth_ <= 0) {
        index_ = std::max(col, 0);
        column_ = index_;
        return index_;
    }
    while (index_ < length_ && walked_ < col) {
        walked_ = Advance(data_[index_], walked_, tabWidth_);
        ++index_;
    }
    if (walked_ >= col) {
        column_ = walked_;
        return index_;
    }
    // Beyond the record's width: no tab expansion there.
    column_ = col;
    return length_ + 1;
}
