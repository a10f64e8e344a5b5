#pragma once
// A slow reference for the search engine and Replace All, for the tests and
// the fuzz target: the document is a list of strings, every place is looked
// at byte by byte, and Replace All makes one replacement after the other
// with the search going on after the text just put in, as the user would do
// by hand. It shares nothing with the engine but the pattern's bytes and the
// EBCDIC table.
#include <algorithm>
#include <bitset>
#include <cstdint>
#include <string>
#include <tuple>
#include <vector>

#include "EditDoubles.h"
#include "commands/FindEngine.h"
#include "commands/FindPattern.h"
#include "commands/ReplaceAllEngine.h"
#include "platform/Platform.h"
#include "records/RecordEdits.h"
#include "records/RecordNode.h"
#include "records/UndoBuffer.h"
#include "view/EbcdicTables.h"

namespace find_reference {

using Document = std::vector<std::string>;

struct Place {
    int record = 0;
    int column = 0;
    bool operator==(const Place&) const = default;
};

// Which stored bytes each pattern byte accepts.
inline std::vector<std::bitset<256>> Accepts(const FindPattern& pattern, bool asciiView)
{
    std::vector<std::bitset<256>> accept(static_cast<std::size_t>(pattern.length));
    for (int i = 0; i < pattern.length; ++i)
        for (int b = 0; b < 256; ++b)
            accept[i][b] = (asciiView || pattern.literal[i] ? b : EbcdicToDisplay[b]) == pattern.bytes[i];
    return accept;
}

// The pattern's bytes starting at `at`, read on through the following
// records without line breaks; `end` is just after the last byte.
inline bool MatchAt(const Document& doc, const std::vector<std::bitset<256>>& accept, Place at, Place& end)
{
    int r = at.record;
    int c = at.column;
    for (std::size_t k = 0; k < accept.size();) {
        if (c >= static_cast<int>(doc[r].size())) {
            if (++r == static_cast<int>(doc.size())) return false;
            c = 0;
            continue;
        }
        if (!accept[k][static_cast<unsigned char>(doc[r][c])]) return false;
        ++k;
        ++c;
    }
    end = {r, c};
    return !accept.empty();
}

// Every place where a match can start (a byte of a record), in order.
inline std::vector<Place> Starts(const Document& doc)
{
    std::vector<Place> starts;
    for (int r = 0; r < static_cast<int>(doc.size()); ++r)
        for (int c = 0; c < static_cast<int>(doc[r].size()); ++c) starts.push_back({r, c});
    return starts;
}

inline bool Before(Place a, Place b) { return a.record < b.record || (a.record == b.record && a.column < b.column); }

// The search: every start once, in cyclic order from `from` moved by `skip`.
inline bool FindNext(const Document& doc, const FindPattern& pattern, bool asciiView, bool forward, Place from,
                     int skip, Place& at, Place& end)
{
    const auto accept = Accepts(pattern, asciiView);
    const std::vector<Place> starts = Starts(doc);
    if (starts.empty()) return false;
    const int n = static_cast<int>(starts.size());
    const Place begin{from.record, forward ? from.column + skip : from.column - skip};
    int first = 0;
    if (forward) {
        while (first < n && Before(starts[first], begin)) ++first;
        first %= n;
    } else {
        first = n - 1;
        while (first >= 0 && Before(begin, starts[first])) --first;
        if (first < 0) first = n - 1;
    }
    for (int k = 0; k < n; ++k) {
        const Place p = starts[((forward ? first + k : first - k) % n + n) % n];
        if (MatchAt(doc, accept, p, end)) {
            at = p;
            return true;
        }
    }
    return false;
}

struct ReplaceAllOutcome {
    Document doc;
    long long replaced = 0;
    long long refused = 0;
    Place last;  // start of the last replacement, valid when replaced > 0
};

// Replace All by hand: a cursor goes round the document once from where the
// search would start; a match inside one record whose bytes are a run of the
// document as it was (no byte put in, no gap left by a replacement) is
// replaced, unless its record would reach 65535 bytes, and the cursor goes
// on after the new text (forward) or before the match (backward). The end
// of the round follows the replacements made in its record.
inline ReplaceAllOutcome ReplaceAll(Document doc, const FindPattern& pattern, const std::string& replacement,
                                    bool asciiView, bool forward, Place from, int skip)
{
    ReplaceAllOutcome out;
    const auto accept = Accepts(pattern, asciiView);
    const int L = pattern.length;
    const int R = static_cast<int>(replacement.size());
    const int count = static_cast<int>(doc.size());
    // Where each byte stood at the start; -1 for bytes put in.
    std::vector<std::vector<int>> origin(doc.size());
    for (int r = 0; r < count; ++r)
        for (int c = 0; c < static_cast<int>(doc[r].size()); ++c) origin[r].push_back(c);
    if (L == 0 || count == 0) {
        out.doc = doc;
        return out;
    }
    auto len = [&](int r) { return static_cast<int>(doc[r].size()); };

    Place cursor{from.record, forward ? from.column + skip : from.column - skip};
    // A start outside the record: forward, the whole record comes at the
    // end of the round; backward, at its beginning.
    if (forward) cursor.column = std::min(cursor.column, len(cursor.record));
    else cursor.column = std::clamp(cursor.column, -1, len(cursor.record) - 1);
    Place stop = cursor;
    bool wrapped = false;
    const long long guard = 4LL * (count + 1) * (1 + 65536);
    for (long long steps = 0; steps < guard; ++steps) {
        if (wrapped && cursor.record == stop.record &&
            (forward ? cursor.column >= stop.column : cursor.column <= stop.column))
            break;
        if (forward && cursor.column >= len(cursor.record)) {
            if (++cursor.record == count) {
                cursor.record = 0;
                wrapped = true;
            }
            cursor.column = 0;
            continue;
        }
        if (!forward && cursor.column < 0) {
            if (--cursor.record < 0) {
                cursor.record = count - 1;
                wrapped = true;
            }
            cursor.column = len(cursor.record) - 1;
            continue;
        }
        const int r = cursor.record;
        const int c = cursor.column;
        Place end;
        bool usable = c + L <= len(r) && MatchAt(doc, accept, cursor, end);
        for (int k = 0; usable && k < L; ++k) usable = origin[r][c] >= 0 && origin[r][c + k] == origin[r][c] + k;
        if (!usable) {
            cursor.column += forward ? 1 : -1;
            continue;
        }
        const bool fits = len(r) - L + R < kMaxRecordLength;
        if (!fits) {
            ++out.refused;
        } else {
            doc[r].replace(static_cast<std::size_t>(c), static_cast<std::size_t>(L), replacement);
            origin[r].erase(origin[r].begin() + c, origin[r].begin() + c + L);
            origin[r].insert(origin[r].begin() + c, static_cast<std::size_t>(R), -1);
            ++out.replaced;
            out.last = {r, c};
            // The end of the round moves with the text before it.
            if (r == stop.record) {
                if (forward && c < stop.column)
                    stop.column = c + L <= stop.column ? stop.column + R - L : c + R;
                if (!forward && c <= stop.column)
                    stop.column = c + L - 1 <= stop.column ? stop.column + R - L : c + R - 1;
            }
        }
        cursor.column = forward ? c + (fits ? R : L) : c - L;
    }
    out.doc = doc;
    return out;
}

// One search and one Replace All, by the engine and by the reference.
struct Scenario {
    Document doc;
    FindPattern search;
    std::string replacement;  // stored bytes
    bool asciiView = true;
    bool forward = true;
    Place from;  // a record of doc, a column up to its length
    int skip = 0;
};

// Empty when the engine agrees with the reference on the search and on
// Replace All, and one Undo gives back every byte and the caret; else what
// went wrong.
inline std::string CheckAgainstReference(const Scenario& s)
{
    edit_sequence::QuietMessageBox box;
    edit_sequence::FlagHooks hooks;
    edit_sequence::StandInView view;
    CUndoBuffer journal;
    IMessageBox* savedBox = Platform().messageBox;
    Platform().messageBox = &box;
    CRecordList list;
    for (const std::string& r : s.doc)
        std::ignore = list.NewRecord(nullptr, edit_sequence::U(r), edit_sequence::Len(r));
    const FindPosition from{FindRelative(list.head, s.from.record), s.from.record, s.from.column};
    const CFindMatcher matcher(s.search, s.asciiView);

    std::string problem;
    Place refAt, refEnd;
    FindPosition at, end;
    const bool refFound = FindNext(s.doc, s.search, s.asciiView, s.forward, s.from, s.skip, refAt, refEnd);
    if (refFound != ::FindNext(list, matcher, s.forward, from, s.skip, at, end))
        problem = "search: found differs";
    else if (refFound && (!(refAt == Place{static_cast<int>(at.record), at.column}) || !(refEnd == Place{static_cast<int>(end.record), end.column}) ||
                          at.node != FindRelative(list.head, at.record)))
        problem = "search: another match";

    const ReplaceAllOutcome expected = ReplaceAll(s.doc, s.search, s.replacement, s.asciiView, s.forward, s.from, s.skip);
    ReplaceAllResult result = ReplaceAllMatches(list, matcher, s.replacement, s.forward, from, s.skip);
    if (!problem.empty()) {
    } else if (!edit_sequence::ListProblem(list).empty() || edit_sequence::Contents(list) != expected.doc) {
        problem = "replace all: another document";
    } else if (result.replaced != expected.replaced || (result.refused > 0) != (expected.refused > 0)) {
        problem = "replace all: other counts";
    } else if (result.replaced > 0) {
        if (!(expected.last == Place{static_cast<int>(result.last.record), result.last.column}) ||
            result.last.node != FindRelative(list.head, result.last.record))
            problem = "replace all: caret elsewhere";
        CRecordEdits edits(list, journal, &hooks);
        edits.JournalReplaceAll(s.from.record, s.from.column, std::move(result.log));
        view.caretNode = view.topNode = list.tail;
        view.caretRecord = view.topRecord = list.recordCount - 1;
        if (!edits.Undo(view) || edit_sequence::Contents(list) != s.doc)
            problem = "undo: another document";
        else if (view.caretRecord != s.from.record || view.caretByte != s.from.column)
            problem = "undo: caret elsewhere";
    } else if (result.log) {
        problem = "replace all: a log without replacements";
    }
    Platform().messageBox = savedBox;
    return problem;
}

}  // namespace find_reference
