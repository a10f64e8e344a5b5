#include "platform/wx/WxPaths.h"

#include <wx/strconv.h>

#include "platform/DisplayText.h"

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

wxString TextToWx(const std::string& text) { return wxString::FromUTF8(Utf8ForDisplay(text)); }
