#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "records/RecordTestHelpers.h"
#include "support/TestPlatform.h"

namespace {

// A model of the document as plain strings, changed alongside the list.
using Model = std::vector<std::string>;

TEST(RecordCounters, StayExactThroughRandomSplicesSplitsAndJoins)
{
    TestPlatform platform;  // size refusals show boxes; nobody answers
    std::mt19937 random(20240607);
    for (int round = 0; round < 20; ++round) {
        auto list = ListOf({"start"});
        Model model{"start"};
        for (int step = 0; step < 3000; ++step) {
            const int index = static_cast<int>(random() % model.size());
            RecordNode* node = FindRelative(list->head, index);
            ASSERT_NE(nullptr, node);
            std::string& text = model[static_cast<std::size_t>(index)];
            const int length = static_cast<int>(text.size());
            switch (random() % 4) {
            case 0: {  // splice, sometimes a large one that may be refused
                const int column = static_cast<int>(random() % (length + 1));
                const int remove = static_cast<int>(random() % (length - column + 2));  // may be one too many
                const int insert = random() % 50 == 0 ? 30000 : static_cast<int>(random() % 40);
                std::string bytes(static_cast<std::size_t>(insert), static_cast<char>('a' + step % 26));
                if (random() % 3 == 0 && insert > 0) bytes[0] = ' ';
                const bool fits = column + remove <= length && length - remove + insert < kMaxRecordLength;
                EXPECT_EQ(fits, list->Splice(node, column, remove, U(bytes), insert));
                if (fits) text.replace(static_cast<std::size_t>(column), static_cast<std::size_t>(remove), bytes);
                break;
            }
            case 1: {  // split, with smart indent on or off
                const int at = static_cast<int>(random() % (length + 1));
                const bool indent = random() % 2 == 0;
                int column = at;
                ASSERT_NE(nullptr, list->SplitRecord(node, column, indent));
                if (at == 0) {
                    model.insert(model.begin() + index, std::string());
                    EXPECT_EQ(0, column);
                } else {
                    // Smart indent copies the leading blanks of a record that is not all blank, when they fit.
                    const std::size_t lead = text.find_first_not_of(" \t");
                    int blanks = indent && lead != std::string::npos ? static_cast<int>(lead) : 0;
                    if (length - at + blanks >= kMaxRecordLength) blanks = 0;
                    const std::string lower =
                        text.substr(0, static_cast<std::size_t>(blanks)) + text.substr(static_cast<std::size_t>(at));
                    text.resize(static_cast<std::size_t>(at));
                    model.insert(model.begin() + index + 1, lower);
                    EXPECT_EQ(blanks, column);
                }
                break;
            }
            default: {  // join with the next record
                const bool hasNext = index + 1 < static_cast<int>(model.size());
                const bool fits = hasNext && length + model[static_cast<std::size_t>(index) + 1].size() <= 65535u;
                EXPECT_EQ(fits, list->JoinNext(node) != nullptr);
                if (fits) {
                    text += model[static_cast<std::size_t>(index) + 1];
                    model.erase(model.begin() + index + 1);
                }
                break;
            }
            }
            ASSERT_TRUE(ListIsConsistent(*list)) << "round " << round << " step " << step;
        }
        ASSERT_EQ(model, Records(*list)) << "round " << round;
    }
}

}  // namespace
