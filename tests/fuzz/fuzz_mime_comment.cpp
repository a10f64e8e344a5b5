// A type's description file from the MIME database: any text gives its
// comment without harm, and a comment with its markup characters escaped
// comes back as it was.
#include <string>

#include "FuzzEntry.h"
#include "platform/MimeDatabase.h"

TABULON_FUZZ_ENTRY(mime_comment)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    FUZZ_CHECK(MimeTypeComment(text).size() <= text.size());  // entities only shrink

    std::string escaped;
    for (const char c : text) {
        if (c == '&') escaped += "&amp;";
        else if (c == '<') escaped += "&lt;";
        else escaped += c;
    }
    const std::string xml = "<mime-type type=\"a/b\">\n  <comment xml:lang=\"de\">x</comment>\n  <comment>" +
                            escaped + "</comment>\n</mime-type>\n";
    FUZZ_CHECK(MimeTypeComment(xml) == text);
    return 0;
}
