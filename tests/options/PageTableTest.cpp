#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "options/PageTable.h"
#include "options/PrintRowText.h"
#include "records/RecordTestHelpers.h"
#include "settings/Settings.h"

namespace {

using Strings = std::vector<std::string>;

// Settings without margins, header, footer or record numbers.
Settings Bare(bool line = false, bool ruler = false)
{
    Settings s;
    s.printLeft = s.printRight = s.printTop = s.printBottom = 0;
    s.printFile = s.printPage = false;
    s.printLine = line;
    s.printRuler = ruler;
    return s;
}

// A print job with a 10 x 20 cell on an area sized for `columns` data
// columns and `lines` rows.
struct Job {
    Job(std::initializer_list<std::string> records, int columns, int lines, const Settings& s, bool hex = false)
        : list(ListOf(records))
    {
        PrintableArea area;
        area.width = (columns + (s.printLine ? 6 : 0)) * 10;
        area.bottom = -lines * 20;
        metrics = ComputePageMetrics(area, 10, 20, s);
        options = CurrentPrintOptions(s, nullptr, "/data/file.txt");
        options.hexView = hex;
    }

    std::vector<PrintedPage> PrintAll()
    {
        table.Reset(list->head);
        std::vector<PrintedPage> pages;
        for (int p = 1; table.HasPage(p) && p <= 1000; ++p) pages.push_back(table.Draw(p, metrics, options));
        return pages;
    }

    // A page's rows from y0 down as they stand on the grid (header and
    // footer left out).
    Strings Rows(const PrintedPage& page) const
    {
        Strings rows;
        for (const PrintRun& run : page.runs) {
            if (run.y > metrics.y0) continue;
            const auto row = static_cast<std::size_t>((metrics.y0 - run.y) / metrics.lineHeight);
            rows.resize(std::max(rows.size(), row + 1));
            rows[row] = std::string(static_cast<std::size_t>((run.x - metrics.x0) / metrics.charWidth), ' ') + run.text;
        }
        return rows;
    }

    std::unique_ptr<CRecordList> list;
    PageMetrics metrics;
    PrintOptions options;
    CPageTable table;
};

TEST(PageMetrics, FollowTheMarginsAndSurviveDamagedSettings)
{
    Settings s;  // half-inch margins, record numbers on
    PrintableArea letter;
    letter.width = 850;
    letter.bottom = -1100;
    const PageMetrics m = ComputePageMetrics(letter, 7, 14, s);
    EXPECT_EQ(50, m.x0);
    EXPECT_EQ(-50, m.y0);
    EXPECT_EQ((850 - 100) / 7 - 6, m.columnsPerLine);
    EXPECT_EQ((1100 - 100) / 14, m.linesPerPage);
    EXPECT_EQ(-25, m.headerY);
    EXPECT_EQ(-1100 + 25, m.footerY);

    s.printLeft = std::nanf("");
    s.printRight = s.printTop = 1e30f;
    const PageMetrics bad = ComputePageMetrics(letter, 0, 0, s);
    EXPECT_EQ(0, bad.x0);
    EXPECT_EQ(-1000000, bad.y0);
    EXPECT_EQ(1, bad.columnsPerLine);
    EXPECT_EQ(1, bad.linesPerPage);
}

TEST(PageLayout, RowTexts)
{
    EXPECT_EQ("1---+----1----+----2", RulerText(1, 20, false));
    const std::string wide = RulerText(1, 120, false);
    EXPECT_EQ('0', wide[99]);
    EXPECT_EQ('1', wide[109]);
    // With record numbers the start column's last digit stands over the
    // first data column (index 6), six-digit columns too.
    EXPECT_EQ("      1---+", RulerText(1, 5, true));
    EXPECT_EQ(" 123451---", RulerText(123451, 4, true));
    EXPECT_EQ("   1  ", NumberColumnText(1, true));
    EXPECT_EQ("123456", NumberColumnText(1234567, true));
    EXPECT_EQ("      ", NumberColumnText(1, false));

    EXPECT_EQ("...\\b\\c\\file.txt", ShortenedTitle("C:\\a\\b\\c\\file.txt", 12));
    EXPECT_EQ(".../file.txt", ShortenedTitle("/home/ann/data/file.txt", 3));
    EXPECT_EQ("/home/ann/data/file.txt", ShortenedTitle("/home/ann/data/file.txt", 23));
    EXPECT_EQ("no-folders-at-all.txt", ShortenedTitle("no-folders-at-all.txt", 4));

    // Source mode: the columns of a tab stay blank, and "." stands for
    // what cannot be printed.
    auto list = ListOf({"a\tb\x01", "\t\t"});
    EXPECT_EQ("a   b.", DataRowText(list->head, 1, 0, 10, true, 4));
    EXPECT_EQ("21", DataRowText(list->head, 5, 2, 10, true, 4));
    EXPECT_EQ(8, RecordDisplayWidth(list->tail, 4));
}

TEST(PageLayout, RowBreaksAndRulers)
{
    // A record as wide as a row takes one row, one byte more takes two.
    Job job({"0123456789", "abcdefghijk", "z"}, 10, 20, Bare(false, true));
    EXPECT_EQ((Strings{"1---+----1", "0123456789", "abcdefghij", "1---+----2", "k", "1---+----1", "z"}),
              job.Rows(job.PrintAll().at(0)));
    Job numbered({"abcdefg"}, 5, 10, Bare(true));
    EXPECT_EQ((Strings{"   1  abcde", "      fg"}), numbered.Rows(numbered.PrintAll().at(0)));

    // Short records: one ruler, at the top of each page.
    Job pages({"a", "b", "c", "d", "e", "f", "g"}, 10, 4, Bare(false, true));
    const auto printed = pages.PrintAll();
    ASSERT_EQ(3u, printed.size());
    EXPECT_EQ((Strings{"1---+----1", "d", "e", "f"}), pages.Rows(printed[1]));
    EXPECT_EQ((Strings{"1---+----1", "g"}), pages.Rows(printed[2]));
    EXPECT_TRUE(printed[2].last && !printed[1].last);
}

TEST(PageLayout, HexGroupsHaveOneRulerAndNeverSplit)
{
    Job job({"0123456789AB", "x"}, 10, 6, Bare(true, true), true);
    const auto pages = job.PrintAll();
    ASSERT_EQ(3u, pages.size());
    // The second group would take rows 5 and 6 of page 1: it opens page 2.
    EXPECT_EQ((Strings{"      1---+----1", "   1  0123456789", "      3333333333", "      0123456789"}),
              job.Rows(pages[0]));
    EXPECT_EQ((Strings{"     11---+----2", "      AB", "      44", "      12"}), job.Rows(pages[1]));
    EXPECT_EQ((Strings{"      1---+----1", "   2  x", "      7", "      8"}), job.Rows(pages[2]));
    EXPECT_EQ(kPrintTextColour, pages[0].runs[1].colour);
    EXPECT_EQ(kPrintNibbleColour, pages[0].runs[2].colour);
}

TEST(PageLayout, HeaderFooterAndEverythingOff)
{
    Settings s = Bare();
    s.printFile = s.printPage = true;
    s.printTop = s.printBottom = 1.0f;
    Job job({}, 20, 102, s);
    const auto pages = job.PrintAll();
    ASSERT_EQ(1u, pages.size());  // an empty document prints one page
    EXPECT_TRUE(pages[0].last);
    ASSERT_EQ(2u, pages[0].runs.size());
    EXPECT_EQ("Page 1", pages[0].runs[0].text);
    EXPECT_EQ((200 - 60) / 2, pages[0].runs[0].x);  // centred on the whole width
    EXPECT_EQ(-102 * 20 + 50, pages[0].runs[0].y);
    EXPECT_EQ("/data/file.txt", pages[0].runs[1].text);
    EXPECT_EQ(-50, pages[0].runs[1].y);

    s = Bare();
    s.printLeft = 0.25f;
    s.printTop = 0.75f;
    Job off({"one", "two"}, 10, 40, s);
    const auto rows = off.PrintAll()[0].runs;
    ASSERT_EQ(2u, rows.size());
    EXPECT_EQ(25, rows[0].x);
    EXPECT_EQ(-75, rows[0].y);
    EXPECT_EQ(-95, rows[1].y);
}

TEST(PageLayout, NoRoomForAColumnOrARowStillEnds)
{
    Settings s = Bare(true, true);
    s.printLeft = s.printTop = 40.0f;  // wider and taller than the page
    Job job({"abc", "", "de"}, 10, 10, s, true);
    ASSERT_EQ(1, job.metrics.columnsPerLine);
    ASSERT_EQ(1, job.metrics.linesPerPage);
    const auto pages = job.PrintAll();
    ASSERT_EQ(6u, pages.size());  // one column, one group with its ruler per page
    EXPECT_EQ((Strings{"      2", "      b", "      6", "      2"}), job.Rows(pages[1]));
    EXPECT_EQ((Strings{"      1", "   2"}), job.Rows(pages[3]));

    Job plain({"ab", "c"}, 1, 1, Bare(false, true));
    EXPECT_EQ(3u, plain.PrintAll().size());
}

TEST(PageLayout, PagesAreLaidOutLazilyAndAgainForAnotherLayout)
{
    auto list = std::make_unique<CRecordList>();
    for (int i = 0; i < 1000; ++i) ASSERT_NE(nullptr, list->NewRecord(nullptr, U("record"), 6));
    CPageTable table;
    table.Reset(list->head);
    PageLayout layout;
    layout.columnsPerLine = 80;
    layout.linesPerPage = 10;
    EXPECT_EQ(11, table.Find(2, layout).recordNumber);
    EXPECT_EQ(2u, table.pages.size());
    EXPECT_EQ(0, table.lastPage);
    EXPECT_EQ(91, table.Find(10, layout).recordNumber);
    EXPECT_EQ(100, table.CountPages(layout));
    EXPECT_EQ(0, table.Find(101, layout).lineCount);
    EXPECT_FALSE(table.HasPage(101));

    layout.linesPerPage = 20;
    EXPECT_EQ(21, table.Find(2, layout).recordNumber);
    EXPECT_EQ(50, table.CountPages(layout));
}

// Whatever the records, layout and switches, the pages together hold every
// row of the document once and in order, and a page is longer than its
// lines only to hold one whole group.
TEST(PageLayout, PagesTogetherShowEveryRowOnce)
{
    std::mt19937 random(11);
    auto pick = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    for (int round = 0; round < 300; ++round) {
        const int columns = 1 + pick(12);
        const Settings s = Bare(pick(2) == 1, pick(2) == 1);
        Job job({}, columns, 1 + pick(9), s, pick(2) == 1);
        job.options.tabWidth = pick(3) == 0 ? 1 + pick(4) : 0;
        Strings expected;
        for (int r = pick(12); r > 0; --r) {
            std::string bytes;
            for (int b = pick(30); b > 0; --b) bytes.push_back(pick(5) == 0 ? '\t' : static_cast<char>('a' + pick(26)));
            const RecordNode* n = job.list->NewRecord(nullptr, U(bytes), static_cast<int>(bytes.size()));
            const int width = RecordDisplayWidth(n, job.options.tabWidth);
            for (int column = 1; column == 1 || column <= width; column += columns)
                expected.push_back(DataRowText(n, column, 0, columns, true, job.options.tabWidth));
        }

        const auto pages = job.PrintAll();
        ASSERT_TRUE(!pages.empty() && pages.back().last) << "round " << round;
        const PageLayout layout = LayoutFor(job.metrics, job.options);
        const int groupRows = (job.options.hexView ? 3 : 1) + (s.printRuler ? 1 : 0);
        Strings printed;
        for (const PrintedPage& page : pages) {
            const PageStart start = job.table.Find(page.page, layout);
            EXPECT_TRUE(start.lineCount <= job.metrics.linesPerPage || start.lineCount == groupRows) << round;
            PageWalker walker(start, layout);
            for (int i = 0; i < start.lineCount && !walker.AtEnd(); ++i) {
                const PageRow row = walker.Next();
                if (!row.ruler && row.hexRow == 0)
                    printed.push_back(DataRowText(row.record, row.column, 0, columns, true, job.options.tabWidth));
            }
        }
        EXPECT_EQ(expected, printed) << "round " << round;
    }
}

}  // namespace
