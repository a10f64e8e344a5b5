#include <cstdint>
#include <cstring>
#include <tuple>

#include "platform/Platform.h"
#include "records/RecordList.h"
#include "records/RecordMessages.h"

bool CRecordList::ShiftBlock(bool unindent, RecordNode* firstNode, RecordNode* lastNode, const SourceOptions& options)
{
    if (unindent) {
        const int tabWidth = options.BlockTabWidth();
        for (RecordNode* node = firstNode; node; node = node->next) {
            int count = 0;
            while (count < tabWidth && count < node->length && node->data[count] == ' ') ++count;
            if (count == 0 && node->length > 0 && node->data[0] == '\t') count = 1;
            // Only shrinks the record: cannot fail.
            if (count > 0) std::ignore = Splice(node, 0, count, nullptr, 0);
            if (node == lastNode) break;
        }
        return true;
    }

    const int spaces = options.BlockIndentSpaces();
    const int width = spaces > 0 ? spaces : 1;
    // All or nothing, so that the undo entry can take the same indent off
    // every record of the block.
    std::int64_t records = 0;
    for (RecordNode* node = firstNode; node; node = node->next) {
        if (node->length + width >= kMaxRecordLength) {
            ShowMessage(kMsgRecordTooLarge, kCapLineTooLong, MbIcon::Warning);
            return false;
        }
        ++records;
        if (node == lastNode) break;
    }
    if (!MayGrow(0, records * width)) return false;
    std::uint8_t indent[16];
    std::memset(indent, spaces > 0 ? ' ' : '\t', sizeof indent);
    for (RecordNode* node = firstNode; node; node = node->next) {
        // Checked to fit above. Should memory run out (the program is then
        // stopping), the block still counts as indented: Undo's check of
        // every record's indent refuses the entry rather than misapply it.
        std::ignore = Splice(node, 0, 0, indent, width);
        if (node == lastNode) break;
    }
    return true;
}
