#include "options/PageWalker.h"

#include <algorithm>

#include "records/RecordNode.h"
#include "view/DisplayColumns.h"

int RecordDisplayWidth(const RecordNode* record, int tabWidth)
{
    if (!record) return 0;
    return ByteToColumn(record->data, record->length, record->length, tabWidth);
}

PageWalker::PageWalker(const PageStart& start, const PageLayout& layout)
    : layout_(layout), record_(start.record), number_(start.recordNumber), column_(std::max(start.startColumn, 1))
{
    layout_.columnsPerLine = std::max(layout_.columnsPerLine, 1);
    EnterRecord();
}

void PageWalker::EnterRecord() { width_ = RecordDisplayWidth(record_, layout_.tabWidth); }

PageRow PageWalker::Next()
{
    groupComplete_ = false;
    PageRow row;
    row.column = column_;
    row.record = record_;
    row.recordNumber = number_;
    if (layout_.ruler && !rulerDone_ && column_ != previousColumn_) {
        rulerDone_ = true;
        row.ruler = true;
        return row;
    }
    rulerDone_ = false;
    row.hexRow = hexRow_;
    previousColumn_ = column_;
    if (layout_.hex && hexRow_ < 2) {
        ++hexRow_;
        return row;
    }
    hexRow_ = 0;
    groupComplete_ = true;
    // The rest of the record fits in this row: it ends here.
    if (static_cast<long long>(width_) - (column_ - 1) <= layout_.columnsPerLine) {
        record_ = record_->next;
        ++number_;
        column_ = 1;
        EnterRecord();
    } else {
        column_ += layout_.columnsPerLine;
    }
    return row;
}
