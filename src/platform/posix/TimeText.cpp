#include "platform/TimeText.h"

#include <ctime>

bool LocalTimeText(std::int64_t secondsSince1970, std::string* text)
{
    const std::time_t value = static_cast<std::time_t>(secondsSince1970);
    std::tm local{};
    if (!localtime_r(&value, &local)) return false;
    char buffer[64];
    if (!asctime_r(&local, buffer)) return false;
    *text = buffer;
    return true;
}
