#include <gtest/gtest.h>

#include "app/StatusTexts.h"
#include "commands/ClipboardMessages.h"
#include "options/PrintRowText.h"
#include "options/PropertiesReport.h"
#include "records/RecordMessages.h"
#include "view/AppViewBase.h"
#include "view/LineNumbers.h"

namespace {

// Counts past 2^31 and 2^32 in every text that shows them: whole where the
// text shows them whole, cut where it is drawn to a fixed width.
TEST(LargeCountTexts, CountsPast32BitsShowWhole)
{
    EXPECT_EQ("[4294967297,5]", CaretPositionText(4294967296, 4));
    EXPECT_EQ(std::string(kWidestPositionText).size(), CaretPositionText(9999999999998, 65534).size());

    DocumentFacts facts;
    facts.recordCount = 4294967297;
    facts.totalBytes = 6442450944;
    EXPECT_NE(std::string::npos,
              PropertiesReport(facts).find("Total number of lines: 4294967297\r\nTotal record bytes: 6442450944\r\n"));

    CAppViewBase view;
    view.selStartRecord = 2147483648;
    view.selStartByte = 0;
    view.selEndRecord = 4294967297;
    view.selEndByte = 5;
    EXPECT_EQ("2147483649:1 - 4294967298:5 selected", view.SelectionMessage());
    EXPECT_EQ("2147483649:1 - 4294967298:0 (3000000000 total) copied to Clipboard",
              FillInNumbers(kFmtCopied, {2147483649, 1, 4294967298, 0, 3000000000}));
    EXPECT_EQ("4294967297 line(s) moved to Clipboard", FillIn(kFmtMoved, 4294967297));
}

TEST(LargeCountTexts, TheNumberPanesKeepTheirWidths)
{
    EXPECT_EQ("83648", LineNumberText(2147483648));
    EXPECT_EQ("67297", LineNumberText(4294967297));
    EXPECT_EQ("429496", NumberColumnText(4294967297, true));

    CAppViewBase view;  // hex view, the top row that of record 4294967297
    view.rowsPerRecord = 3;
    view.pageRows = 4;
    view.charHeight = 10;
    view.topRow = 3 * 4294967296 + 2;
    const std::vector<LineNumberLabel> labels = LineNumberLabels(view, 4294967300);
    ASSERT_EQ(1u, labels.size());
    EXPECT_EQ("67298", labels[0].text);  // record 4294967298, on screen row 1
    EXPECT_EQ((10 - view.smallCharHeight) / 2 + 5 + 10, labels[0].y);
}

}  // namespace
