// mimeapps.list is the user's and other programs' file. Input: a MIME type
// line, a desktop id line, then the list. Any list is edited without harm,
// and an edit does what it says for any well-formed type and id.
#include <string>

#include "FuzzEntry.h"
#include "platform/MimeAppsList.h"
#include "platform/MimeDatabase.h"

namespace {

std::string TakeLine(const std::string& text, std::size_t* pos)
{
    std::size_t end = text.find('\n', *pos);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(*pos, end - *pos);
    *pos = end < text.size() ? end + 1 : end;
    return line;
}

bool IsDesktopId(const std::string& id)
{
    if (id.empty()) return false;
    for (const char c : id) {
        const bool ok = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '.' ||
                        c == '-' || c == '_' || c == '+';
        if (!ok) return false;
    }
    return true;
}

}  // namespace

TABULON_FUZZ_ENTRY(mime_apps_list)
{
    const std::string input(reinterpret_cast<const char*>(data), size);
    std::size_t pos = 0;
    const std::string mimeType = TakeLine(input, &pos);
    const std::string desktopId = TakeLine(input, &pos);
    const std::string text = input.substr(pos);

    const std::string added = AddMimeAssociation(text, mimeType, desktopId);
    const std::string removed = RemoveMimeAssociation(text, mimeType, desktopId);
    const std::string swept = RemoveMimeAssociations(text, [&](const std::string& id) { return id == desktopId; });
    if (!IsMimeTypeName(mimeType) || !IsDesktopId(desktopId)) return 0;
    FUZZ_CHECK(HasMimeAssociation(added, mimeType, desktopId));
    FUZZ_CHECK(AddMimeAssociation(added, mimeType, desktopId) == added);
    FUZZ_CHECK(!HasMimeAssociation(removed, mimeType, desktopId));
    FUZZ_CHECK(!HasMimeAssociation(swept, mimeType, desktopId));
    return 0;
}
