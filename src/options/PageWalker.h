#pragma once

#include "options/PrintOptions.h"
#include "records/RecordIndex.h"

struct RecordNode;

// Where a page starts: one entry of the page table per page laid out.
struct PageStart {
    RecordNode* record = nullptr;  // null: the page starts after the last record
    RecordIndex recordNumber = 1;  // 1-based number of `record`
    int startColumn = 1;           // 1-based display column of the page's first row
    int page = 1;
    int lineCount = 0;             // rows on the page, rulers and nibble rows included; 0: not laid out
};

// One printed row.
struct PageRow {
    bool ruler = false;
    int column = 1;    // 1-based start column
    int hexRow = 0;    // 0 characters, 1 high nibbles, 2 low nibbles
    const RecordNode* record = nullptr;
    RecordIndex recordNumber = 1;
};

// Steps through the rows of the records from a page's start, in the order
// they are printed: a ruler row before every row whose start column differs
// from the previous row's (so always before a page's first row), then the
// text rows, three per row of bytes in hex view. Both the layout and the
// renderer walk with it, so that they agree row for row.
class PageWalker {
public:
    PageWalker(const PageStart& start, const PageLayout& layout);

    // True when no record remains.
    bool AtEnd() const { return record_ == nullptr; }
    // The next row; moves on after a text row. Only when !AtEnd().
    PageRow Next();
    // Whether the row Next answered last completed a group (the last text
    // row of a row of bytes).
    bool GroupComplete() const { return groupComplete_; }

    // The position the next group starts at.
    RecordNode* Record() const { return record_; }
    RecordIndex RecordNumber() const { return number_; }
    int Column() const { return column_; }

private:
    void EnterRecord();

    PageLayout layout_;
    RecordNode* record_;
    RecordIndex number_;
    int column_;
    int width_ = 0;            // the record's width in display columns
    int hexRow_ = 0;
    int previousColumn_ = 0;   // start column of the previous text row; 0 before the first
    bool rulerDone_ = false;   // the ruler for the coming text row is out
    bool groupComplete_ = false;
};

// The width of a record in display columns: its length, or with tabs
// expanded to tabWidth when tabWidth > 0.
int RecordDisplayWidth(const RecordNode* record, int tabWidth);
