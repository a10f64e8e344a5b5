#pragma once
#include <string>

#include "records/RecordIndex.h"

struct RecordNode;

// The characters of the printed rows, one character per column of the
// fixed-pitch print font.

// The mark for 1-based column n: the tens digit on multiples of 10, "+" on
// other multiples of 5, else "-".
char RulerMark(int n);

// A ruler row for a row starting at `startColumn`. With the record-number
// column: "  %5d" of the start column, its last digit over the first data
// column (so ending at index 6), then the marks of the next columns;
// without it: the start column's last digit, then the marks.
std::string RulerText(int startColumn, int columnsPerLine, bool numberColumn);

// The six characters of the record-number column: "%*d " at width 4 on a
// record's first row (at most six characters of it, however large the
// number), else six blanks.
std::string NumberColumnText(RecordIndex recordNumber, bool firstRow);

// The data characters of one row of a record, from its 1-based start
// column, for at most columnsPerLine columns; it stops where the record
// ends. Character rows (hexRow 0) show the byte itself (asciiView) or its
// EBCDIC display character, printable characters as they are, a blank (and
// in source mode a tab) as a blank and anything else as "."; nibble rows
// show the high (1) or low (2) hexadecimal digit. Columns inside an
// expanded tab stay blank.
std::string DataRowText(const RecordNode* record, int startColumn, int hexRow, int columnsPerLine,
                        bool asciiView, int tabWidth);

// The header's text: while the title is longer than columnsPerLine
// characters and holds a path separator ("\" or "/"), everything up to and
// including the first separator is dropped; if anything was, "..." and the
// last separator dropped go in front. The file name always stays.
std::string ShortenedTitle(const std::string& title, int columnsPerLine);

// "Page %d".
std::string FooterText(int page);

// Characters in UTF-8 text (bytes that do not continue a sequence).
int TextLength(const std::string& text);
