#include "platform/wx/WxPaths.h"

#include <wx/strconv.h>

#include "platform/DisplayText.h"
#include "platform/Wtf8.h"

#ifdef __WXMSW__

// The toolkit's strings are the system's UTF-16 here; the core's paths are
// the same units as WTF-8.
wxString PathToWx(const std::string& path)
{
    const std::u16string units = Utf16FromWtf8(path);
    return wxString(reinterpret_cast<const wchar_t*>(units.data()), units.size());
}

std::string PathFromWx(const wxString& path)
{
    const std::wstring units = path.ToStdWstring();
    return Wtf8FromUtf16(std::u16string_view(reinterpret_cast<const char16_t*>(units.data()), units.size()));
}

#else

wxString PathToWx(const std::string& path)
{
    if (path.empty()) return wxString();
    const wxString converted(path.data(), *wxConvFileName, path.size());
    return converted.empty() ? TextToWx(path) : converted;
}

std::string PathFromWx(const wxString& path)
{
    if (path.empty()) return std::string();
    const wxCharBuffer bytes = path.mb_str(*wxConvFileName);
    if (bytes.length() == 0) return path.utf8_string();
    return std::string(bytes.data(), bytes.length());
}

#endif

wxString TextToWx(const std::string& text) { return wxString::FromUTF8(Utf8ForDisplay(text)); }

wxString BytesToWx(const std::string& text)
{
    wxString utf8 = wxString::FromUTF8(text);
    if (!utf8.empty() || text.empty()) return utf8;
    return wxString(text.data(), wxConvISO8859_1, text.size());
}
