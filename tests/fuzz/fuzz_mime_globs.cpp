// The MIME database's glob list: any text gives only plain extensions of
// well-formed types, highest weight first.
#include <string>
#include <vector>

#include "FuzzEntry.h"
#include "platform/MimeDatabase.h"

TABULON_FUZZ_ENTRY(mime_globs)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    std::vector<std::string> cleared;
    const std::vector<MimeGlob> globs = ParseMimeGlobs(text, &cleared);
    for (std::size_t i = 0; i < globs.size(); ++i) {
        const MimeGlob& glob = globs[i];
        FUZZ_CHECK(glob.weight >= 0 && glob.weight <= 100);
        FUZZ_CHECK(i == 0 || globs[i - 1].weight >= glob.weight);
        FUZZ_CHECK(IsMimeTypeName(glob.mimeType));
        FUZZ_CHECK(glob.extension.size() >= 2 && glob.extension[0] == '.');
        FUZZ_CHECK(glob.extension.find_first_of("*?[]/\\", 1) == std::string::npos);
    }
    for (const auto& type : cleared) FUZZ_CHECK(IsMimeTypeName(type));
    return 0;
}
