// Typed characters: Backspace, Enter, Tab, printable characters and hex
// digits on the nibble rows of hex view.
#include <string>

#include "app/Globals.h"
#include "platform/Platform.h"
#include "records/RecordList.h"
#include "records/RecordMessages.h"
#include "view/AppViewBase.h"
#include "view/EbcdicTables.h"
#include "records/UndoBuffer.h"
#include "view/RecordAccess.h"

namespace rec = view_records;

namespace {

constexpr int kBackspace = 8;
constexpr int kTab = 9;
constexpr int kEnter = 13;

// Value of a hex digit typed on a nibble row (lower case as upper); -1 for
// anything else.
int HexDigitValue(int ch)
{
    if (ch > 0x60) ch -= 0x20;
    if (ch >= '0' && ch <= '9') return ch - '0';
    if (ch >= 'A' && ch <= 'F') return ch - 'A' + 10;
    return -1;
}

}  // namespace

void CAppViewBase::OnChar(bool shift, int ch)
{
    if (!HasDocument() || !theRecordList) return;
    bool removed = false;
    if (HasSelection()) {
        if (sourceMode && ch == kTab && theSettings.srcSmart) {
            ShiftSelectedBlock(shift);
            return;
        }
        if (!DeleteSelection()) return;  // refused for size: nothing changed
        removed = true;
    }

    bool changed = false;
    if (ch == kBackspace) {
        // With a selection its removal was the whole effect.
        if (!removed) {
            const int byteBefore = caretByte;
            --caretByte;
            changed = DeleteAtCaret();
            if (!changed) caretByte = byteBefore;
        }
    } else if (ch == kEnter) {
        int column = caretByte;
        RecordNode* upper =
            theRecordList->SplitRecord(caretNode, column, sourceMode && theSettings.srcSmart);
        if (upper) {
            // column came back as the indent put before the lower part.
            theUndoBuffer.RecordSplit(caretRecord, rec::Length(upper), column);
            // A split at byte 0 puts a new empty record above the caret's.
            KeepTopAcrossEdit(caretRecord, caretRecord, 1, upper);
            caretNode = rec::Next(upper);
            caretByte = column;
            caretCol = ByteToColumn(caretNode, caretByte);
            ++caretRecord;
            caretRow += rowsPerRecord;
            leftCol = 0;
            UpdateVScrollRange();
            if (RecordCount() < pageRows) Host().InvalidatePane(ViewPane::Line);
            changed = true;
        }
    } else {
        changed = PutChar(ch);
    }

    CollapseSelection();
    if (changed || removed) FinishEdit();
}

bool CAppViewBase::PutChar(int ch)
{
    const int rowInRecord = caretRow % rowsPerRecord;  // 0 characters, 1 high, 2 low nibbles
    const int length = rec::Length(caretNode);
    if (length >= kMaxRecordLength || caretByte >= kMaxRecordLength) {
        ShowMessage(kMsgRecordTooLarge, kCapLineTooLong, MbIcon::Warning);
        return false;
    }

    std::uint8_t byte = 0;
    if (rowInRecord == 0) {
        if (ch == kTab && sourceMode && theSettings.srcType) {
            // Spaces up to the next tab stop.
            const int width = TabWidth();
            const std::string spaces(static_cast<std::size_t>(width - caretCol % width), ' ');
            const int count = static_cast<int>(spaces.size());
            if (!theRecordList->Splice(caretNode, caretByte, 0,
                                       reinterpret_cast<const std::uint8_t*>(spaces.data()), count))
                return false;
            theUndoBuffer.RecordTyped(caretRecord, caretByte, count);
            caretByte += count;
            caretCol = ByteToColumn(caretNode, caretByte);
            return true;
        }
        const auto typed = static_cast<std::uint8_t>(ch);
        byte = asciiView ? typed : DisplayToEbcdic[typed];
    } else {
        const int digit = HexDigitValue(ch);
        if (digit < 0) return false;
        const int old = caretByte < length ? caretNode->data[caretByte] : 0;
        int high = old >> 4;
        int low = old & 0x0F;
        if (rowInRecord == 1) {
            high = digit;
            if (insertMode) low = 0;  // a new byte: its low digit comes next
        } else {
            low = digit;
        }
        byte = static_cast<std::uint8_t>(high << 4 | low);
    }

    const bool insert = (insertMode && rowInRecord <= 1) || caretByte == length;
    if (insert) {
        if (!theRecordList->Splice(caretNode, caretByte, 0, &byte, 1)) return false;
        theUndoBuffer.RecordTyped(caretRecord, caretByte);
    } else {
        const std::uint8_t old = caretNode->data[caretByte];
        if (!theRecordList->Splice(caretNode, caretByte, 1, &byte, 1)) return false;
        if (rowInRecord == 2) theUndoBuffer.RecordOverwriteDigit(caretRecord, caretByte, old);
        else theUndoBuffer.RecordOverwrite(caretRecord, caretByte, old);
    }

    // High nibble: on to the low nibble of the same byte; low nibble: to the
    // high nibble of the next byte.
    int nextRow = rowInRecord;
    if (rowInRecord == 1) {
        nextRow = 2;
    } else {
        ++caretByte;
        if (rowInRecord == 2) nextRow = 1;
    }
    CaretToDisplay(caretRecord, nextRow, caretByte, caretRow, caretCol);
    return true;
}
