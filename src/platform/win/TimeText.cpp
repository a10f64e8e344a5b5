#include "platform/TimeText.h"

#include <ctime>

bool LocalTimeText(std::int64_t secondsSince1970, std::string* text)
{
    const std::time_t value = static_cast<std::time_t>(secondsSince1970);
    std::tm local{};
    if (localtime_s(&local, &value) != 0) return false;
    char buffer[64];
    if (asctime_s(buffer, sizeof buffer, &local) != 0) return false;
    *text = buffer;
    return true;
}

bool LocalTimeFields(std::int64_t secondsSince1970, LocalTime* fields)
{
    const std::time_t value = static_cast<std::time_t>(secondsSince1970);
    std::tm local{};
    if (localtime_s(&local, &value) != 0) return false;
    *fields = LocalTime{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min,
                        local.tm_sec};
    return true;
}
