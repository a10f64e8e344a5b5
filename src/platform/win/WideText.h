#pragma once
#include <string>

// Text and file names cross to the wide Win32 calls and back through here:
// the program keeps them as WTF-8 (platform/Wtf8.h), the system as UTF-16.
std::wstring WideText(const std::string& text);
std::string TextFromWide(const wchar_t* text, std::size_t length);
std::string TextFromWide(const std::wstring& text);

// A path for the wide file calls: paths too long for the classic limit get
// the "\\?\" form, which takes up to 32767 characters.
std::wstring WidePath(const std::string& path);
