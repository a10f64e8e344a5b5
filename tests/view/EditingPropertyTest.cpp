// Random sessions of keys, characters, clicks, drags, mode switches and
// Undo on small documents: after every step the record list must be
// consistent and every node the view holds must be the record its index
// names, with the caret on a real byte.
#include <gtest/gtest.h>

#include <random>

#include "platform/KeyScanCodes.h"
#include "view/EditTestSupport.h"

namespace {

using namespace scan_code;

constexpr int kKeys[] = {kHome, kUp, kPageUp, kLeft, kRight, kEnd, kDown, kPageDown, kInsert, kDelete};
constexpr char kChars[] = {'a', 'Z', '0', '7', 'f', ' ', '_', '\t', '\r', '\b', '\b', '\r', 'g'};

std::vector<std::string> StartingRecords(std::mt19937& random)
{
    std::vector<std::string> records;
    const int count = 1 + static_cast<int>(random() % 12);
    for (int i = 0; i < count; ++i) {
        std::string text;
        const int length = static_cast<int>(random() % 14);
        for (int j = 0; j < length; ++j) text += " \tab_9xy"[random() % 8];
        records.push_back(text);
    }
    return records;
}

void RandomStep(EditScene& s, std::mt19937& random)
{
    CAppViewBase& v = s.View();
    const int x = static_cast<int>(random() % 400) - 60;
    const int y = static_cast<int>(random() % 300) - 60;
    switch (random() % 12) {
    case 0:
    case 1:
    case 2: s.Key(kKeys[random() % std::size(kKeys)], random() % 4 == 0); break;
    case 3:
    case 4:
    case 5: v.OnChar(random() % 5 == 0, kChars[random() % std::size(kChars)]); break;
    case 6: v.OnMouseDown(x, y); break;
    case 7: v.OnMouseDrag(x, y); break;
    case 8: v.OnMouseUp(x, y); break;
    case 9: v.OnDoubleClick(x, y); break;
    case 10:
        switch (random() % 3) {
        case 0: v.ToggleHex(); break;
        case 1: v.ToggleSource(); break;
        default: v.ToggleAscii(); break;
        }
        break;
    default:
        if (s.Undo()) v.EnsureCaretVisible(false);
        break;
    }
}

TEST(EditingProperty, RandomSessionsKeepTheViewAndListConsistent)
{
    int edits = 0;
    for (unsigned seed = 1; seed <= 300; ++seed) {
        std::mt19937 random(seed);
        EditScene s(StartingRecords(random), 12, 6);
        theSettings.srcType = random() % 2 == 0;
        theSettings.srcSmart = random() % 2 == 0;
        theSettings.srcMark = 2 + static_cast<int>(random() % 9);
        for (int step = 0; step < 200; ++step) {
            RandomStep(s, random);
            const ::testing::AssertionResult ok = s.Consistent();
            ASSERT_TRUE(ok) << "seed " << seed << " step " << step;
            const CAppViewBase& v = s.View();
            ASSERT_LE(0, v.caretCol) << "seed " << seed << " step " << step;
            ASSERT_EQ(v.caretCol, v.ByteToColumn(v.caretNode, v.caretByte)) << "seed " << seed << " step " << step;
        }
        edits += s.document.modified;
    }
    EXPECT_GT(edits, 300 * 20);  // the sessions did edit
}

}  // namespace
