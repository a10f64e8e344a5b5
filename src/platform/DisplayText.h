#pragma once
#include <string>

// Text for the screen from bytes that may not be valid UTF-8, such as file
// names from old archives in Latin-1 or a code page: every byte that is not
// part of a well-formed UTF-8 sequence becomes U+FFFD. Only for showing;
// the bytes themselves stay what names the file.
std::string Utf8ForDisplay(const std::string& bytes);
