#include <gtest/gtest.h>

#include <random>

#include "FindReference.h"

namespace {

// Bytes that make matches likely, including EBCDIC look-alikes: 0xC1 shows
// as 'A', 0x40 and 0xFF as ' ', 0xF0 as '0'.
const std::uint8_t kAlphabet[] = {'a', 'A', 'b', ' ', '0', 0x0A, 0xC1, 0x40, 0xFF, 0xF0, 0x81};

find_reference::Scenario RandomScenario(std::mt19937& rng)
{
    auto pick = [&rng](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
    find_reference::Scenario s;
    const int alphabet = 2 + pick(static_cast<int>(sizeof kAlphabet) - 1);
    s.doc.resize(static_cast<std::size_t>(1 + pick(6)));
    for (std::string& record : s.doc)
        for (int n = pick(pick(4) == 0 ? 40 : 12); n > 0; --n) record += static_cast<char>(kAlphabet[pick(alphabet)]);
    s.search.length = 1 + pick(4);
    for (int i = 0; i < s.search.length; ++i) {
        s.search.bytes[i] = kAlphabet[pick(alphabet)];
        s.search.literal[i] = pick(3) == 0;
    }
    for (int n = pick(5); n > 0; --n) s.replacement += static_cast<char>(kAlphabet[pick(alphabet)]);
    s.asciiView = pick(3) != 0;
    s.forward = pick(2) == 0;
    s.from.record = pick(static_cast<int>(s.doc.size()));
    s.from.column = pick(static_cast<int>(s.doc[s.from.record].size()) + 1);
    s.skip = pick(2) == 0 ? 0 : s.search.length;
    return s;
}

TEST(FindEngine, SearchAndReplaceAllAgreeWithTheReferenceAndUndoRestoresEveryByte)
{
    std::mt19937 rng(20240613);
    for (int round = 0; round < 6000; ++round) {
        const find_reference::Scenario s = RandomScenario(rng);
        ASSERT_EQ("", find_reference::CheckAgainstReference(s)) << "round " << round;
    }
}

}  // namespace
