// Typed characters: Backspace, Enter, Tab, printable characters and hex
// digits on the nibble rows of hex view.
#include <string>

#include "platform/Platform.h"
#include "records/RecordEdits.h"
#include "records/RecordMessages.h"
#include "view/AppViewBase.h"
#include "view/EbcdicTables.h"
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
    if (!HasDocument()) return;
    const SourceOptions options = EditOptions();
    bool removed = false;
    if (HasSelection()) {
        if (ch == kTab && options.SmartIndentOn()) {
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
        // column comes back as the indent put before the lower part.
        RecordNode* upper = Edits().Split(caretNode, caretRecord, column, options.SmartIndentOn());
        if (upper) {
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
    const int rowInRecord = static_cast<int>(caretRow % rowsPerRecord);  // 0 characters, 1 high, 2 low nibbles
    const int length = rec::Length(caretNode);
    if (length >= kMaxRecordLength || caretByte >= kMaxRecordLength) {
        ShowMessage(kMsgRecordTooLarge, kCapLineTooLong, MbIcon::Warning);
        return false;
    }

    std::uint8_t byte = 0;
    if (rowInRecord == 0) {
        if (ch == kTab && EditOptions().SpacesForTabOn()) {
            // Spaces up to the next tab stop.
            const int width = TabWidth();
            const std::string spaces(static_cast<std::size_t>(width - caretCol % width), ' ');
            const int count = static_cast<int>(spaces.size());
            if (!Edits().Type(caretNode, caretRecord, caretByte, reinterpret_cast<const std::uint8_t*>(spaces.data()),
                              count))
                return false;
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
    // The low digit overwrites the byte its high digit just made or changed.
    if (insert ? !Edits().Type(caretNode, caretRecord, caretByte, &byte, 1)
               : !Edits().Overwrite(caretNode, caretRecord, caretByte, byte, rowInRecord == 2))
        return false;

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
