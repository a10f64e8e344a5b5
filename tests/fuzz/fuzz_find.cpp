// Any search text, replacement text and small document: the pattern parser
// answers without harm, and the search engine and Replace All agree with the
// slow reference, one Undo giving back every byte.
//
// Input: a flag byte (bit 0 ASCII view, bit 1 forward, bit 2 skip the match
// at the caret), a caret byte, the search text up to a zero byte, the
// replacement text up to a zero byte, then records, each a length byte and
// that many bytes.
#include <cstdio>

#include "FindReference.h"
#include "FuzzEntry.h"

namespace {

std::string TakeText(const std::uint8_t*& data, const std::uint8_t* end)
{
    std::string text;
    while (data < end && *data != 0) text += static_cast<char>(*data++);
    if (data < end) ++data;  // the zero byte
    return text;
}

bool ParsedSafely(const std::string& text, FindPattern& pattern)
{
    const PatternParse result = ParsePattern(text, pattern);
    FUZZ_CHECK(pattern.length >= 0 && pattern.length <= kMaxPatternBytes);
    if (result != PatternParse::Ok) FUZZ_CHECK(pattern.length == 0 && PatternParseMessage(result));
    else FUZZ_CHECK((pattern.length > 0) == !text.empty());
    return result == PatternParse::Ok;
}

}  // namespace

TABULON_FUZZ_ENTRY(find)
{
    if (size < 2) return 0;
    const std::uint8_t* end = data + size;
    find_reference::Scenario s;
    s.asciiView = (data[0] & 1) != 0;
    s.forward = (data[0] & 2) != 0;
    const bool skip = (data[0] & 4) != 0;
    const int caret = data[1];
    data += 2;
    FindPattern replacement;
    const bool parsed = ParsedSafely(TakeText(data, end), s.search);
    if (!ParsedSafely(TakeText(data, end), replacement) || !parsed || s.search.length == 0) return 0;
    while (data < end && s.doc.size() < 12) {
        const std::size_t wanted = *data++;
        const std::size_t length = std::min<std::size_t>(wanted, static_cast<std::size_t>(end - data));
        s.doc.emplace_back(reinterpret_cast<const char*>(data), length);
        data += length;
    }
    if (s.doc.empty()) return 0;
    s.replacement = StoredReplacement(replacement, s.asciiView);
    s.from.record = caret % static_cast<int>(s.doc.size());
    s.from.column = (caret / 16) % (static_cast<int>(s.doc[s.from.record].size()) + 1);
    s.skip = skip ? s.search.length : 0;
    const std::string problem = find_reference::CheckAgainstReference(s);
    if (!problem.empty()) std::fprintf(stderr, "find: %s\n", problem.c_str());
    FUZZ_CHECK(problem.empty());
    return 0;
}
