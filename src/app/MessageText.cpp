#include "app/MessageText.h"

std::string FillInPlaceholder(const std::string& format, const std::string& placeholder,
                              const std::string& value)
{
    const std::size_t at = placeholder.empty() ? std::string::npos : format.find(placeholder);
    if (at == std::string::npos) return format;
    std::string result;
    result.reserve(format.size() + value.size());
    result.append(format, 0, at);
    result.append(value);
    result.append(format, at + placeholder.size(), std::string::npos);
    return result;
}
