#pragma once
#include <cstdint>
#include <string>

// The C library's text of a moment in local time, as asctime writes it
// ("Wed Jun 30 21:49:08 1993\n"); false when the library cannot convert it.
bool LocalTimeText(std::int64_t secondsSince1970, std::string* text);

// A moment in local time, field by field: the year in full, the month and
// day from 1.
struct LocalTime {
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;
};
bool LocalTimeFields(std::int64_t secondsSince1970, LocalTime* fields);
