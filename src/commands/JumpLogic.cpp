#include "commands/JumpLogic.h"

#include <algorithm>
#include <limits>

#include "commands/FindMessages.h"
#include "platform/Platform.h"
#include "records/RecordList.h"
#include "resources/Strings.h"
#include "view/AppViewBase.h"

void CJumpLogic::FindLongest(const CRecordList& list)
{
    int longest = 0;
    for (const RecordNode* node = list.head; node; node = node->next) longest = std::max<int>(longest, node->length);
    longestLength = longest;
    cachedCount = list.recordCount;
    cachedTotal = list.totalBytes;
}

bool CJumpLogic::SearchLength(CAppViewBase& view, const CRecordList& list, std::int64_t target)
{
    RecordNode* const start = view.caretNode;
    if (!start) return false;
    RecordNode* node = start;
    RecordIndex record = view.caretRecord;
    for (;;) {
        if (backward) {
            node = node->prev;
            --record;
            if (!node) {
                node = list.tail;
                record = list.recordCount - 1;
            }
        } else {
            node = node->next;
            ++record;
            if (!node) {
                node = list.head;
                record = 0;
            }
        }
        if (!node || node == start) {
            ShowMessage(kMsgNoOtherRecords, kCapJumpError, MbIcon::Information, MbButtons::Ok, owner);
            return false;
        }
        if (node->length == target) break;
    }
    const int rowInRecord = static_cast<int>(
        std::clamp<DisplayRow>(view.caretRow - view.caretRecord * view.rowsPerRecord, 0, view.rowsPerRecord - 1));
    view.caretNode = node;
    view.caretRecord = record;
    view.caretRow = record * view.rowsPerRecord + rowInRecord;
    // The byte column carries over, but not past the found record's end.
    view.caretByte = std::min<std::int32_t>(view.caretByte, node->length);
    return true;
}

void CJumpLogic::Jump(CAppViewBase& view, const CRecordList& list)
{
    if (!view.caretNode || list.recordCount <= 0) return;
    switch (jumpMode) {
    case kSelectRecord: {
        jumpValue = std::clamp<std::int64_t>(jumpValue, 1, list.recordCount);
        view.caretRow = view.rowsPerRecord * (jumpValue - 1);
        int rowInRecord = 0;
        view.caretNode = view.LocateRow(view.caretRow, 0, view.caretRecord, rowInRecord, view.caretByte);
        break;
    }
    case kLongestRecord:
        if (cachedCount != list.recordCount || cachedTotal != list.totalBytes) FindLongest(list);
        SearchLength(view, list, longestLength);
        break;
    default: SearchLength(view, list, jumpValue); break;
    }
    view.caretCol = view.ByteToColumn(view.caretNode, view.caretByte);
    view.selStartNode = view.selEndNode = view.caretNode;
    view.selStartRecord = view.selEndRecord = view.caretRecord;
    view.selStartByte = view.caretByte;
    view.selEndByte = view.caretNode ? view.caretNode->length : 0;
    view.selAnchorAtStart = true;
    view.EnsureCaretVisible(false);
}

bool ReadJumpValue(const std::string& text, std::int64_t& value, WindowHandle owner)
{
    constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
    std::int64_t number = 0;
    bool ok = !text.empty();
    for (const char c : text) {
        if (c < '0' || c > '9') {
            ok = false;
            break;
        }
        const int digit = c - '0';
        number = number > (kMax - digit) / 10 ? kMax : number * 10 + digit;
    }
    if (!ok) {
        ShowMessage(kMsgEnterInteger, kAppTitle, MbIcon::Warning, MbButtons::Ok, owner);
        return false;
    }
    value = number;
    return true;
}
