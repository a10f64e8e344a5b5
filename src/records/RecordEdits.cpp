#include "records/RecordEdits.h"

#include <tuple>
#include <vector>

#include "platform/Platform.h"
#include "records/DocumentHooks.h"
#include "records/RecordList.h"
#include "records/RecordMessages.h"
#include "records/ReplaceAllLog.h"
#include "records/SourceOptions.h"
#include "records/UndoBuffer.h"

void CRecordEdits::Mark()
{
    if (document_) document_->MarkModified();
}

bool CRecordEdits::Type(RecordNode* node, RecordIndex record, int column, const std::uint8_t* bytes, int count)
{
    if (!node || count <= 0 || !list_.MayGrow(0, count) || !list_.Splice(node, column, 0, bytes, count))
        return false;
    journal_.RecordTyped(record, column, count);
    Mark();
    return true;
}

bool CRecordEdits::Overwrite(RecordNode* node, RecordIndex record, int column, std::uint8_t byte, bool secondDigit)
{
    if (!node || column < 0 || column >= node->length) return false;
    const std::uint8_t old = node->data[column];
    if (!list_.Splice(node, column, 1, &byte, 1)) return false;
    if (secondDigit) journal_.RecordOverwriteDigit(record, column, old);
    else journal_.RecordOverwrite(record, column, old);
    Mark();
    return true;
}

bool CRecordEdits::DeleteByte(RecordNode* node, RecordIndex record, int column)
{
    if (!node || column < 0 || column >= node->length) return false;
    const std::uint8_t deleted = node->data[column];
    if (!list_.Splice(node, column, 1, nullptr, 0)) return false;
    journal_.RecordDeletedChar(record, column, deleted);
    Mark();
    return true;
}

bool CRecordEdits::Replace(RecordNode* node, RecordIndex record, int column, int deleteCount,
                           const std::uint8_t* bytes, int count)
{
    if (!node || column < 0 || deleteCount < 0 || column + deleteCount > node->length) return false;
    if (!list_.MayGrow(0, std::int64_t{count} - deleteCount)) return false;
    // The journal keeps the text as it was, so it is copied before the change.
    const std::vector<std::uint8_t> old(node->data + column, node->data + column + deleteCount);
    if (!list_.Splice(node, column, deleteCount, bytes, count)) return false;
    journal_.RecordReplace(record, column, count, old.data(), deleteCount);
    Mark();
    return true;
}

RecordNode* CRecordEdits::Split(RecordNode* node, RecordIndex record, int& column, bool smartIndent)
{
    if (!node) return nullptr;
    RecordNode* upper = list_.SplitRecord(node, column, smartIndent);
    if (!upper) return nullptr;
    // column came back as the indent put before the lower part.
    journal_.RecordSplit(record, upper->length, column);
    Mark();
    return upper;
}

bool CRecordEdits::JoinNext(RecordNode* upper, RecordIndex record)
{
    if (!upper || !upper->next) return false;
    const int joinColumn = upper->length;
    if (joinColumn + upper->next->length > kMaxRecordLength) {
        ShowMessage(kMsgMergedTooLarge, kCapLineTooLong, MbIcon::Warning);
        return false;
    }
    if (!list_.JoinNext(upper)) return false;  // memory ran out (reported)
    journal_.RecordJoin(record, joinColumn);
    Mark();
    return true;
}

bool CRecordEdits::ShiftBlock(bool unindent, RecordNode* first, RecordIndex firstRecord, RecordNode* last,
                              RecordIndex lastRecord, const SourceOptions& options)
{
    const ByteTotal bytesBefore = list_.totalBytes;
    if (unindent) {
        journal_.RecordBlockSnapshot(firstRecord, first, last);
        std::ignore = list_.ShiftBlock(true, first, last, options);  // an unindent is never refused
    } else {
        // Refused as a whole when a record would grow too long (told).
        if (!list_.ShiftBlock(false, first, last, options)) return false;
        journal_.RecordBlockIndent(firstRecord, lastRecord, options.BlockIndentSpaces());
    }
    // An unindent of records without indent changes nothing.
    if (list_.totalBytes != bytesBefore) Mark();
    return true;
}

void CRecordEdits::JournalReplaceAll(RecordIndex record, int column, std::unique_ptr<CReplaceAllLog> log)
{
    journal_.RecordReplaceAll(record, column, log.release());
    Mark();
}

bool CRecordEdits::Undo(IUndoView& view) { return journal_.Undo(list_, view, document_); }
