#include "records/RecordMessages.h"

#include "records/CounterLimit.h"

std::string FillIn(const char* format, const std::string& value)
{
    std::string text(format);
    for (std::size_t at = text.find('%'); at != std::string::npos; at = text.find('%', at + 1)) {
        if (at + 1 < text.size() && (text[at + 1] == 'd' || text[at + 1] == 's')) {
            text.replace(at, 2, value);
            break;
        }
    }
    return text;
}

std::string FillIn(const char* format, long long value) { return FillIn(format, std::to_string(value)); }

std::string FillIn(const char* format, const std::string& first, const std::string& second)
{
    // One pass over the format, so that a value holding "%s" stays as it is.
    std::string text;
    int filled = 0;
    for (const char* at = format; *at; ++at) {
        if (filled < 2 && at[0] == '%' && (at[1] == 'd' || at[1] == 's')) {
            text += filled++ == 0 ? first : second;
            ++at;
        } else {
            text += *at;
        }
    }
    return text;
}

std::string FillInNumbers(const char* format, std::initializer_list<std::int64_t> numbers)
{
    std::string text;
    auto next = numbers.begin();
    for (const char* at = format; *at; ++at) {
        if (next != numbers.end() && at[0] == '%' && at[1] == 'd') {
            text += std::to_string(*next++);
            ++at;
        } else {
            text += *at;
        }
    }
    return text;
}

std::string DocumentTooLargeMessage() { return FillIn(kFmtDocumentTooLarge, DocumentCounterLimit()); }
