// Any search text, replacement text and small document: the pattern parser
// answers without harm, the search engine and Replace All agree with the
// slow reference, and one Undo of the Replace All gives back every byte.
//
// Input: a flag byte (bit 0 ASCII view, bit 1 forward, bit 2 skip the
// match at the caret), a caret byte, the search text up to a zero byte,
// the replacement text up to a zero byte, then records as a length byte
// followed by that many bytes.
#include <string>

#include "EditDoubles.h"
#include "FindReference.h"
#include "FuzzEntry.h"
#include "app/Globals.h"
#include "commands/FindEngine.h"
#include "commands/ReplaceAllEngine.h"
#include "platform/Platform.h"
#include "records/UndoBuffer.h"

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
    if (result == PatternParse::Ok) FUZZ_CHECK((pattern.length > 0) == !text.empty());
    return result == PatternParse::Ok;
}

}  // namespace

TABULON_FUZZ_ENTRY(find)
{
    namespace ref = find_reference;
    if (size < 2) return 0;
    const std::uint8_t* end = data + size;
    const bool asciiView = (data[0] & 1) != 0;
    const bool forward = (data[0] & 2) != 0;
    const bool skipMatch = (data[0] & 4) != 0;
    const int caret = data[1];
    data += 2;
    FindPattern search, replace;
    const bool searchOk = ParsedSafely(TakeText(data, end), search);
    const bool replaceOk = ParsedSafely(TakeText(data, end), replace);
    ref::Document doc;
    while (data < end && doc.size() < 12) {
        const std::size_t wanted = *data++;
        const std::size_t length = std::min<std::size_t>(wanted, static_cast<std::size_t>(end - data));
        doc.emplace_back(reinterpret_cast<const char*>(data), length);
        data += length;
    }
    if (!searchOk || !replaceOk || search.length == 0 || doc.empty()) return 0;

    edit_sequence::QuietMessageBox box;
    edit_sequence::FlagHooks hooks;
    edit_sequence::StandInView view;
    IMessageBox* savedBox = Platform().messageBox;
    IDocumentHooks* savedHooks = theDocumentHooks;
    Platform().messageBox = &box;
    theDocumentHooks = &hooks;
    theUndoBuffer.Reset();

    CRecordList list;
    for (const std::string& r : doc) list.NewRecord(nullptr, edit_sequence::U(r), edit_sequence::Len(r));
    const ref::Place from{caret % static_cast<int>(doc.size()),
                          (caret / 16) % (static_cast<int>(doc[caret % doc.size()].size()) + 1)};
    RecordNode* fromNode = FindRelative(list.head, from.record);
    const int skip = skipMatch ? search.length : 0;
    const CFindMatcher matcher(search, asciiView);

    ref::Place refAt, refEnd;
    FindPosition at, matchEnd;
    const bool refFound = ref::FindNext(doc, search, asciiView, forward, from, skip, refAt, refEnd);
    FUZZ_CHECK(refFound == FindNext(list, matcher, forward, {fromNode, from.record, from.column}, skip, at, matchEnd));
    if (refFound) {
        FUZZ_CHECK((refAt == ref::Place{at.record, at.column}));
        FUZZ_CHECK((refEnd == ref::Place{matchEnd.record, matchEnd.column}));
    }

    const std::string replacement = StoredReplacement(replace, asciiView);
    const ref::ReplaceAllOutcome expected =
        ref::ReplaceAll(doc, search, replacement, asciiView, forward, from, skip);
    ReplaceAllResult result =
        ReplaceAllMatches(list, matcher, replacement, forward, {fromNode, from.record, from.column}, skip);
    FUZZ_CHECK(edit_sequence::ListProblem(list).empty());
    FUZZ_CHECK(edit_sequence::Contents(list) == expected.doc);
    FUZZ_CHECK(result.replaced == expected.replaced);
    if (result.replaced > 0) {
        FUZZ_CHECK((expected.last == ref::Place{result.last.record, result.last.column}));
        theUndoBuffer.RecordReplaceAll(from.record, from.column, result.log.release());
        view.caretNode = view.topNode = list.tail;
        view.caretRecord = view.topRecord = list.recordCount - 1;
        FUZZ_CHECK(theUndoBuffer.Undo(list, view));
        FUZZ_CHECK(edit_sequence::Contents(list) == doc);
        FUZZ_CHECK(view.caretRecord == from.record && view.caretByte == from.column);
    }

    theUndoBuffer.Reset();
    theDocumentHooks = savedHooks;
    Platform().messageBox = savedBox;
    return 0;
}
