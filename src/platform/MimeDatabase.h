#pragma once
#include <string>
#include <vector>

// Reading the shared MIME database's text files: the glob list (globs2)
// and the per-type description files.

// One file-name extension of a MIME type, taken from a "*.ext" glob.
struct MimeGlob {
    int weight = 50;
    std::string mimeType;
    std::string extension;  // with its dot: ".c"
};

// The extension globs of a globs2 text, highest weight first (in file order
// among equal weights). Comments, globs that are not a plain extension
// ("*.[ch]", "README*", "core"), malformed lines and type names that are
// not of the form "media/subtype" are skipped. Types that carry the
// __NOGLOBS__ marker are listed in `cleared`.
std::vector<MimeGlob> ParseMimeGlobs(const std::string& text, std::vector<std::string>* cleared);

// Whether `mimeType` is a well-formed "media/subtype" name that is safe as
// part of a file name.
bool IsMimeTypeName(const std::string& mimeType);

// The untranslated <comment> of a type's description file (entities
// decoded); empty when there is none.
std::string MimeTypeComment(const std::string& xml);
