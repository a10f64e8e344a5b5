#include "commands/AdvanceRange.h"

#include <cctype>
#include <limits>

#include "commands/ClipboardMessages.h"
#include "platform/Platform.h"
#include "records/RecordMessages.h"

bool ParseRecordEntry(const std::string& text, std::int64_t& value)
{
    std::size_t i = 0;
    auto blank = [&](std::size_t at) { return std::isspace(static_cast<unsigned char>(text[at])) != 0; };
    while (i < text.size() && blank(i)) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    const std::size_t digits = i;
    // Counted towards zero on the side of the sign, held at the end of the
    // range once it is reached.
    constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
    constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();
    std::int64_t number = 0;
    for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i) {
        const int digit = text[i] - '0';
        if (negative)
            number = number < (kMin + digit) / 10 ? kMin : number * 10 - digit;
        else
            number = number > (kMax - digit) / 10 ? kMax : number * 10 + digit;
    }
    if (i == digits) return false;
    while (i < text.size() && blank(i)) ++i;
    if (i != text.size()) return false;
    value = number;
    return true;
}

bool ValidateRange(std::int64_t& startRecord, std::int64_t& endRecord, std::int64_t recordCount, WindowHandle owner)
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
