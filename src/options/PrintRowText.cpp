#include "options/PrintRowText.h"

#include <algorithm>
#include <cstdio>

#include "options/PrintStrings.h"
#include "records/RecordNode.h"
#include "view/DataPaneCells.h"
#include "view/DisplayColumns.h"

char RulerMark(int n)
{
    if (n % 10 == 0) return static_cast<char>('0' + (n / 10) % 10);
    return n % 5 == 0 ? '+' : '-';
}

std::string RulerText(int startColumn, int columnsPerLine, bool numberColumn)
{
    std::string text;
    if (numberColumn) {
        char number[16];
        std::snprintf(number, sizeof number, "%5d", startColumn);
        // Right-aligned to end over the first data column, also when the
        // number is wider than five digits.
        text.assign(7, ' ');
        const std::string digits(number);
        const std::size_t kept = std::min<std::size_t>(digits.size(), 7);
        text.replace(7 - kept, kept, digits.substr(digits.size() - kept));
    } else {
        text.push_back(static_cast<char>('0' + startColumn % 10));
    }
    for (int i = 1; i < columnsPerLine; ++i) text.push_back(RulerMark(startColumn + i));
    return text;
}

std::string NumberColumnText(RecordIndex recordNumber, bool firstRow)
{
    if (!firstRow) return std::string(6, ' ');
    char text[32];
    std::snprintf(text, sizeof text, "%*lld ", 4, static_cast<long long>(recordNumber));
    std::string column(text);
    column.resize(6, ' ');
    return column;
}

std::string DataRowText(const RecordNode* record, int startColumn, int hexRow, int columnsPerLine,
                        bool asciiView, int tabWidth)
{
    std::string text;
    if (!record) return text;
    const std::uint8_t* data = record->data;
    const int length = record->length;
    ColumnWalker walker(data, length, tabWidth);
    for (int k = 0; k < columnsPerLine; ++k) {
        const int column = startColumn + k - 1;
        const int b = walker.ByteAt(column);
        if (b >= length) break;
        if (walker.StartColumn() > column) {  // inside an expanded tab
            text.push_back(' ');
            continue;
        }
        const Cell cell = hexRow == 0 ? CharacterCell(data[b], asciiView, tabWidth > 0) : NibbleCell(data[b], hexRow);
        text.push_back(cell.ch);
    }
    return text;
}

std::string ShortenedTitle(const std::string& title, int columnsPerLine)
{
    std::string text = title;
    char separator = 0;
    while (TextLength(text) > columnsPerLine) {
        const std::size_t at = text.find_first_of("\\/");
        if (at == std::string::npos) break;
        separator = text[at];
        text.erase(0, at + 1);
    }
    if (separator) text = std::string(kShortenedPathPrefix) + separator + text;
    return text;
}

std::string FooterText(int page)
{
    char text[32];
    std::snprintf(text, sizeof text, kPageFooterFormat, page);
    return text;
}

int TextLength(const std::string& text)
{
    return static_cast<int>(std::count_if(text.begin(), text.end(),
                                          [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}
