#include "records/RecordMessages.h"

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
