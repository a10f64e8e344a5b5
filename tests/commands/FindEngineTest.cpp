#include <gtest/gtest.h>

#include <random>

#include "FindReference.h"
#include "commands/FindEngine.h"
#include "commands/ReplaceAllEngine.h"
#include "records/RecordTestHelpers.h"
#include "records/UndoTestSupport.h"

namespace {

namespace ref = find_reference;

// Bytes that make matches likely, including EBCDIC look-alikes: 0xC1 shows
// as 'A', 0x40 and 0xFF as ' ', 0xF0 as '0'.
const std::uint8_t kAlphabet[] = {'a', 'A', 'b', ' ', '0', 0x0A, 0xC1, 0x40, 0xFF, 0xF0, 0x81};

struct Scenario {
    ref::Document doc;
    FindPattern pattern;
    std::string replacement;
    bool asciiView = true;
    bool forward = true;
    ref::Place from;
    int skip = 0;
};

Scenario RandomScenario(std::mt19937& rng)
{
    auto pick = [&rng](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
    Scenario s;
    const int alphabet = 2 + pick(static_cast<int>(sizeof kAlphabet) - 1);
    s.doc.resize(static_cast<std::size_t>(1 + pick(6)));
    for (std::string& record : s.doc)
        for (int n = pick(pick(4) == 0 ? 40 : 12); n > 0; --n) record += static_cast<char>(kAlphabet[pick(alphabet)]);
    s.pattern.length = 1 + pick(4);
    for (int i = 0; i < s.pattern.length; ++i) {
        s.pattern.bytes[i] = kAlphabet[pick(alphabet)];
        s.pattern.literal[i] = pick(3) == 0;
    }
    for (int n = pick(5); n > 0; --n) s.replacement += static_cast<char>(kAlphabet[pick(alphabet)]);
    s.asciiView = pick(3) != 0;
    s.forward = pick(2) == 0;
    s.from.record = pick(static_cast<int>(s.doc.size()));
    s.from.column = pick(static_cast<int>(s.doc[s.from.record].size()) + 1);
    s.skip = pick(2) == 0 ? 0 : s.pattern.length;
    return s;
}

std::unique_ptr<CRecordList> ListFor(const ref::Document& doc)
{
    auto list = std::make_unique<CRecordList>();
    for (const std::string& r : doc) list->NewRecord(nullptr, U(r), static_cast<int>(r.size()));
    return list;
}

FindPosition PositionOf(CRecordList& list, ref::Place p) { return {FindRelative(list.head, p.record), p.record, p.column}; }

std::string Describe(const Scenario& s)
{
    std::string text = "doc:";
    for (const std::string& r : s.doc) text += " [" + r + "]";
    text += " pattern: " + std::string(reinterpret_cast<const char*>(s.pattern.bytes), s.pattern.length) +
            " by [" + s.replacement + "] " + (s.forward ? "forward" : "backward") + (s.asciiView ? "" : " ebcdic") +
            " from " + std::to_string(s.from.record) + ":" + std::to_string(s.from.column) + " skip " +
            std::to_string(s.skip);
    return text;
}

TEST(FindEngine, SearchAndReplaceAllAgreeWithTheReferenceAndUndoRestoresEveryByte)
{
    std::mt19937 rng(20240613);
    for (int round = 0; round < 6000; ++round) {
        const Scenario s = RandomScenario(rng);
        SCOPED_TRACE(Describe(s));
        JournalScope journal;
        auto list = ListFor(s.doc);
        const CFindMatcher matcher(s.pattern, s.asciiView);

        ref::Place refAt, refEnd;
        const bool refFound = ref::FindNext(s.doc, s.pattern, s.asciiView, s.forward, s.from, s.skip, refAt, refEnd);
        FindPosition at, end;
        ASSERT_EQ(refFound, FindNext(*list, matcher, s.forward, PositionOf(*list, s.from), s.skip, at, end));
        if (refFound) {
            ASSERT_EQ(refAt, (ref::Place{at.record, at.column}));
            ASSERT_EQ(refEnd, (ref::Place{end.record, end.column}));
            ASSERT_EQ(FindRelative(list->head, at.record), at.node);
            ASSERT_EQ(FindRelative(list->head, end.record), end.node);
        }

        const ref::ReplaceAllOutcome expected =
            ref::ReplaceAll(s.doc, s.pattern, s.replacement, s.asciiView, s.forward, s.from, s.skip);
        ReplaceAllResult result =
            ReplaceAllMatches(*list, matcher, s.replacement, s.forward, PositionOf(*list, s.from), s.skip);
        ASSERT_EQ(expected.doc, Records(*list));
        ASSERT_TRUE(ListIsConsistent(*list));
        ASSERT_EQ(expected.replaced, result.replaced);
        ASSERT_EQ(expected.refused > 0, result.refused > 0);
        if (expected.replaced == 0) {
            ASSERT_EQ(nullptr, result.log);
            continue;
        }
        ASSERT_EQ(expected.last, (ref::Place{result.last.record, result.last.column}));
        ASSERT_EQ(FindRelative(list->head, result.last.record), result.last.node);

        theUndoBuffer.RecordReplaceAll(s.from.record, s.from.column, result.log.release());
        journal.CaretAt(*list, static_cast<int>(s.doc.size()) - 1);
        ASSERT_TRUE(journal.Undo(*list));
        ASSERT_EQ(s.doc, Records(*list));
        ASSERT_EQ((ref::Place{s.from.record, s.from.column}),
                  (ref::Place{journal.view.caretRecord, journal.view.caretByte}));
    }
}

TEST(FindEngine, RecordsAtTheSizeLimitRefuseReplacementsThatWouldGrowThem)
{
    JournalScope journal;
    const std::string nearlyFull(65530, 'x');
    auto list = ListOf({"ab" + nearlyFull, "abab", std::string(65535, 'a')});
    FindPattern pattern;
    ASSERT_EQ(PatternParse::Ok, ParsePattern("ab", pattern));
    const CFindMatcher matcher(pattern, true);
    // "ab" -> "abcd" grows by 2: the long record takes it (65532 -> 65534);
    // the 65535-byte record holds no "ab".
    ReplaceAllResult grown = ReplaceAllMatches(*list, matcher, "abcd", true, {list->head, 0, 0}, 0);
    EXPECT_EQ(3, grown.replaced);
    EXPECT_EQ(0, grown.refused);
    // Once more: the long record would reach 65536 and refuses, the others
    // still take theirs.
    grown = ReplaceAllMatches(*list, matcher, "abcd", true, {list->head, 0, 0}, 0);
    EXPECT_EQ(2, grown.replaced);
    EXPECT_EQ(1, grown.refused);
    EXPECT_EQ(65534, list->head->length);
    EXPECT_EQ("abcdcdabcdcd", Text(list->head->next));
    EXPECT_TRUE(ListIsConsistent(*list));
}

}  // namespace
