#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <vector>

#include "records/RecordTestHelpers.h"
#include "records/TabExpansion.h"

namespace {

// Expansion done the slow way, in place, one tab at a time: the behaviour the
// one-pass version must match.
int ExpandInPlace(std::vector<std::uint8_t>& buffer, int length, int tabWidth)
{
    int position = 0;
    while (position < length && length < 65535) {
        if (buffer[position] != '\t') {
            ++position;
            continue;
        }
        int count = tabWidth - position % tabWidth;
        if (length + count > 65535) count = 65535 - length;
        std::memmove(&buffer[position + count], &buffer[position + 1], static_cast<std::size_t>(length - position - 1));
        std::memset(&buffer[position], ' ', static_cast<std::size_t>(count));
        position += count;
        length += count - 1;
    }
    return length;
}

TEST(TabExpansion, MovesTextToTheNextTabStop)
{
    std::vector<std::uint8_t> out(65535);
    const std::string in = "\tab\tc";
    const int length = ExpandTabsInto(U(in), 5, out.data(), 4);
    EXPECT_EQ("    ab  c", std::string(out.begin(), out.begin() + length));
    EXPECT_EQ(3, ExpandTabsInto(U("a\tb"), 3, out.data(), 1));  // width 1: one space each
    EXPECT_EQ(3, ExpandTabsInto(U("a\tb"), 3, out.data(), 0));  // a broken setting acts as 1
    EXPECT_EQ(65534, ExpandTabsInto(U("a\tb"), 3, out.data(), 2147483647));
}

TEST(TabExpansion, NeverGrowsARecordTo65535)
{
    std::vector<std::uint8_t> out(65535);
    std::string in(65520, 'a');
    in += "\t\t\tb";
    const int length = ExpandTabsInto(U(in), static_cast<int>(in.size()), out.data(), 8);
    EXPECT_EQ(65534, length);
    // A full stop, then only the 4 spaces that fit, then a single space.
    EXPECT_EQ(std::string(65520, 'a') + std::string(13, ' ') + "b", std::string(out.begin(), out.begin() + length));

    std::string full(65534, 'a');
    full += '\t';
    EXPECT_EQ(65535, ExpandTabsInto(U(full), 65535, out.data(), 8));  // copied as it is
    EXPECT_EQ('\t', out[65534]);
}

TEST(TabExpansion, MatchesTheInPlaceExpansionOnRandomRecords)
{
    std::mt19937 random(5);
    std::vector<std::uint8_t> out(65535);
    std::vector<std::uint8_t> reference(65535 + 16);
    for (int round = 0; round < 300; ++round) {
        const int length = round % 3 == 0 ? 65000 + static_cast<int>(random() % 536) : static_cast<int>(random() % 2000);
        const int tabWidth = 2 + static_cast<int>(random() % 9);
        std::vector<std::uint8_t> in(static_cast<std::size_t>(length));
        const unsigned tabShare = 1 + random() % 20;
        for (auto& c : in) c = random() % tabShare == 0 ? '\t' : static_cast<std::uint8_t>('a' + random() % 26);
        std::copy(in.begin(), in.end(), reference.begin());
        const int expectedLength = ExpandInPlace(reference, length, tabWidth);
        const int gotLength = ExpandTabsInto(in.data(), length, out.data(), tabWidth);
        ASSERT_EQ(expectedLength, gotLength) << round;
        ASSERT_TRUE(std::equal(out.begin(), out.begin() + gotLength, reference.begin())) << round;
    }
}

TEST(TabExpansion, TheListExpandsInPlaceWithTheTabWidthSetting)
{
    CRecordList list;
    std::memcpy(list.workBuffer, "x\ty", 3);
    const int length = list.ExpandTabs(list.workBuffer, 3, 4);
    EXPECT_EQ("x   y", std::string(reinterpret_cast<char*>(list.workBuffer), static_cast<std::size_t>(length)));
}

}  // namespace
