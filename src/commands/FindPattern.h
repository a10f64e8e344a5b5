#pragma once
#include <cstdint>
#include <string>

// A search or replacement text parsed into bytes. Each byte is either plain
// (typed as a character: in the EBCDIC view it stands for the character
// shown) or literal (written as an escape: it stands for the stored byte).

// The dialog takes texts of at most this many characters.
inline constexpr int kMaxFindTextChars = 20;
// A character may take up to four bytes (UTF-8), an escape one byte.
inline constexpr int kMaxPatternBytes = 4 * kMaxFindTextChars;

struct FindPattern {
    std::uint8_t bytes[kMaxPatternBytes] = {};
    bool literal[kMaxPatternBytes] = {};
    int length = 0;
};

enum class PatternParse {
    Ok,
    TooLong,            // more than kMaxFindTextChars characters
    IncompleteEscape,   // "\x" without its two characters at the end of the text
};

// Characters of a UTF-8 text (bytes that do not start a character are not
// counted; invalid bytes count as one character each).
int TextCharacters(const std::string& text);

// Parses `text` (UTF-8): "\\" "\a" "\b" "\f" "\n" "\r" "\t" "\v" and "\xHH"
// give literal bytes (a non-hex digit of \xHH counts as 0); a backslash
// before any other character, or alone at the end, gives that character
// (or the backslash) as plain bytes; every other character gives its bytes
// as plain bytes. On anything but Ok `pattern` is left empty.
PatternParse ParsePattern(const std::string& text, FindPattern& pattern);

// The message for a refused text, or null for Ok.
const char* PatternParseMessage(PatternParse result);

// The bytes a replacement puts into the document: in the EBCDIC view every
// plain byte becomes its stored byte through DisplayToEbcdic.
std::string StoredReplacement(const FindPattern& replacement, bool asciiView);

// A search text that finds the given stored bytes as they are shown:
// printable characters as themselves (in the EBCDIC view the character
// shown), a backslash as "\\", anything else as "\xHH". It stops before a
// zero byte and never exceeds kMaxFindTextChars characters.
std::string SearchTextForBytes(const std::uint8_t* bytes, int count, bool asciiView);
