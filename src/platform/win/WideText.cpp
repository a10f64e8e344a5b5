#include "platform/win/WideText.h"

#include <windows.h>

#include "platform/Wtf8.h"

static_assert(sizeof(wchar_t) == sizeof(char16_t), "Windows' wide characters are UTF-16 units");

std::wstring WideText(const std::string& text)
{
    const std::u16string units = Utf16FromWtf8(text);
    return std::wstring(reinterpret_cast<const wchar_t*>(units.data()), units.size());
}

std::string TextFromWide(const wchar_t* text, std::size_t length)
{
    return Wtf8FromUtf16(std::u16string_view(reinterpret_cast<const char16_t*>(text), length));
}

std::string TextFromWide(const std::wstring& text) { return TextFromWide(text.data(), text.size()); }

std::wstring WidePath(const std::string& path)
{
    std::wstring wide = WideText(path);
    // Below the limit of folder names (MAX_PATH less a short file name), the
    // path goes as it is.
    constexpr std::size_t kClassicLimit = MAX_PATH - 12;
    if (wide.size() < kClassicLimit || wide.rfind(L"\\\\?\\", 0) == 0 || wide.rfind(L"\\\\.\\", 0) == 0)
        return wide;
    const DWORD needed = ::GetFullPathNameW(wide.c_str(), 0, nullptr, nullptr);
    if (needed == 0) return wide;
    std::wstring full(needed, L'\0');
    const DWORD length = ::GetFullPathNameW(wide.c_str(), needed, full.data(), nullptr);
    if (length == 0 || length >= needed) return wide;
    full.resize(length);
    if (full.rfind(L"\\\\", 0) == 0) return L"\\\\?\\UNC\\" + full.substr(2);  // \\server\share
    return L"\\\\?\\" + full;
}
