#include "commands/AdvanceRange.h"

#include <cctype>
#include <limits>

#include "commands/ClipboardMessages.h"
#include "platform/Platform.h"
#include "records/RecordMessages.h"

bool ParseRecordEntry(const std::string& text, std::int32_t& value)
{
    std::size_t i = 0;
    auto blank = [&](std::size_t at) { return std::isspace(static_cast<unsigned char>(text[at])) != 0; };
    while (i < text.size() && blank(i)) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    const std::size_t digits = i;
    long long number = 0;
    for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i) {
        number = number * 10 + (text[i] - '0');
        if (number > static_cast<long long>(std::numeric_limits<std::int32_t>::max()) + 1) return false;
    }
    if (i == digits) return false;
    while (i < text.size() && blank(i)) ++i;
    if (i != text.size()) return false;
    if (negative) number = -number;
    if (number > std::numeric_limits<std::int32_t>::max()) return false;
    value = static_cast<std::int32_t>(number);
    return true;
}

bool ValidateRange(std::int32_t& startRecord, std::int32_t& endRecord, std::int32_t recordCount, WindowHandle owner)
{
    bool valid = true;
    if (startRecord < 1) {
        ShowMessage(kMsgInvalidStart, kCapInvalidEntry, MbIcon::Stop, MbButtons::Ok, owner);
        valid = false;
    }
    if (endRecord < 0) {
        ShowMessage(kMsgInvalidEnd, kCapInvalidEntry, MbIcon::Stop, MbButtons::Ok, owner);
        valid = false;
    }
    if (endRecord != 0 && endRecord < startRecord) {
        ShowMessage(kMsgStartAfterEnd, kCapInvalidEntries, MbIcon::Stop, MbButtons::Ok, owner);
        valid = false;
    }
    if (endRecord == 0 || endRecord > recordCount) {
        if (ShowMessage(kMsgEndSetToLast, kCapPastLastRecord, MbIcon::Information, MbButtons::OkCancel, owner) ==
            MbResult::Cancel)
            return false;
        endRecord = recordCount;
    }
    if (valid && startRecord > recordCount) {
        ShowMessage(FillIn(kFmtStartPastLast, recordCount), kCapInvalidEntry, MbIcon::Stop, MbButtons::Ok, owner);
        valid = false;
    }
    return valid;
}
