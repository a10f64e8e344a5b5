#pragma once
#include <cstdint>
#include <string>

// The C library's text of a moment in local time, as asctime writes it
// ("Wed Jun 30 21:49:08 1993\n"); false when the library cannot convert it.
bool LocalTimeText(std::int64_t secondsSince1970, std::string* text);
