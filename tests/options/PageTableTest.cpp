#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "options/PageTable.h"
#include "options/PrintRowText.h"
#include "records/RecordTestHelpers.h"
#include "settings/Settings.h"

namespace {

using Strings = std::vector<std::string>;

// A print job over a list of records with a 10 x 20 cell and no margins:
// the area is sized for `columns` data columns and `lines` rows.
struct Job {
    Job(std::initializer_list<std::string> records, int columns, int lines, Settings s = NoMargins())
        : list(ListOf(records)), settings(s)
    {
        const int numberColumn = settings.printLine ? 6 : 0;
        area.width = (columns + numberColumn) * 10;
        area.bottom = -lines * 20;
        metrics = ComputePageMetrics(area, 10, 20, settings);
        options.printFile = settings.printFile;
        options.printPage = settings.printPage;
        options.printLine = settings.printLine;
        options.printRuler = settings.printRuler;
        options.title = "/data/file.txt";
    }

    static Settings NoMargins()
    {
        Settings s;
        s.printLeft = s.printRight = s.printTop = s.printBottom = 0;
        s.printFile = s.printPage = s.printLine = false;
        return s;
    }

    // Every page until the last (at most 1000).
    std::vector<PrintedPage> PrintAll()
    {
        table.Reset(list->head);
        std::vector<PrintedPage> pages;
        for (int p = 1; table.HasPage(p) && p <= 1000; ++p) pages.push_back(table.Draw(p, metrics, options));
        return pages;
    }

    // The rows of a page as they stand on the grid: one string per row from
    // y0 down, blanks in front of a run for the columns it is indented.
    Strings Rows(const PrintedPage& page) const
    {
        Strings rows;
        for (const PrintRun& run : page.runs) {
            if (run.y > metrics.y0) continue;  // header or footer
            const std::size_t row = static_cast<std::size_t>((metrics.y0 - run.y) / metrics.lineHeight);
            if (rows.size() <= row) rows.resize(row + 1);
            rows[row] = std::string(static_cast<std::size_t>((run.x - metrics.x0) / metrics.charWidth), ' ') + run.text;
        }
        return rows;
    }

    std::unique_ptr<CRecordList> list;
    Settings settings;
    PrintableArea area;
    PageMetrics metrics;
    PrintOptions options;
    CPageTable table;
};

Settings With(bool line, bool ruler)
{
    Settings s = Job::NoMargins();
    s.printLine = line;
    s.printRuler = ruler;
    return s;
}

TEST(PageMetrics, FollowTheMarginsInHundredthsOfAnInch)
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
    EXPECT_EQ(70, HundredthsOfInch(0.7f));

    // Damaged settings neither overflow nor leave a page without a cell.
    s.printLeft = std::nanf("");
    s.printRight = 1e30f;
    s.printTop = 1e30f;
    const PageMetrics bad = ComputePageMetrics(letter, 0, 0, s);
    EXPECT_EQ(0, bad.x0);
    EXPECT_EQ(1, bad.columnsPerLine);
    EXPECT_EQ(1, bad.linesPerPage);
    EXPECT_EQ(-1000000, bad.y0);
}

TEST(PageLayout, RecordOneLineWideTakesOneRowAndOneByteMoreTakesTwo)
{
    Job job({"0123456789", "abcdefghijk", "z"}, 10, 20, With(false, true));
    const auto pages = job.PrintAll();
    ASSERT_EQ(1u, pages.size());
    EXPECT_TRUE(pages[0].last);
    EXPECT_EQ((Strings{"1---+----1", "0123456789", "abcdefghij", "1---+----2", "k", "1---+----1", "z"}),
              job.Rows(pages[0]));
}

TEST(PageLayout, ShortRecordsGetOneRulerAtTheTopOfEachPage)
{
    Job job({"a", "b", "c", "d", "e", "f", "g"}, 10, 4, With(false, true));
    const auto pages = job.PrintAll();
    ASSERT_EQ(3u, pages.size());
    EXPECT_EQ((Strings{"1---+----1", "a", "b", "c"}), job.Rows(pages[0]));
    EXPECT_EQ((Strings{"1---+----1", "d", "e", "f"}), job.Rows(pages[1]));
    EXPECT_EQ((Strings{"1---+----1", "g"}), job.Rows(pages[2]));
    EXPECT_FALSE(pages[1].last);
    EXPECT_TRUE(pages[2].last);
}

TEST(PageLayout, HexGroupsHaveOneRulerAndNeverSplit)
{
    Job job({"0123456789AB", "x"}, 10, 6, With(true, true));
    job.options.hexView = true;
    const auto pages = job.PrintAll();
    ASSERT_EQ(3u, pages.size());
    // The second group would start on rows 5 and 6 of page 1: it opens page 2.
    EXPECT_EQ((Strings{"      1---+----1", "   1  0123456789", "      3333333333", "      0123456789"}),
              job.Rows(pages[0]));
    EXPECT_EQ((Strings{"     11---+----2", "      AB", "      44", "      12"}), job.Rows(pages[1]));
    EXPECT_EQ((Strings{"      1---+----1", "   2  x", "      7", "      8"}), job.Rows(pages[2]));
    EXPECT_EQ(kPrintNibbleColour, pages[0].runs[2].colour);
    EXPECT_EQ(kPrintTextColour, pages[0].runs[1].colour);
}

TEST(PageLayout, RulerMarksAndRecordNumbers)
{
    EXPECT_EQ("1---+----1----+----2", RulerText(1, 20, false));
    const std::string wide = RulerText(1, 120, false);
    EXPECT_EQ('0', wide[99]);
    EXPECT_EQ('1', wide[109]);
    // With record numbers the start column's last digit stands over the
    // first data column (index 6), also for six-digit columns.
    EXPECT_EQ("      1---+", RulerText(1, 5, true));
    EXPECT_EQ(" 123451---", RulerText(123451, 4, true).substr(0, 10));
    EXPECT_EQ("   1  ", NumberColumnText(1, true));
    EXPECT_EQ("12345 ", NumberColumnText(12345, true));
    EXPECT_EQ("123456", NumberColumnText(1234567, true));
    EXPECT_EQ("      ", NumberColumnText(1, false));

    Job job({"abcdefg"}, 5, 10, With(true, false));
    EXPECT_EQ((Strings{"   1  abcde", "      fg"}), job.Rows(job.PrintAll()[0]));
}

TEST(PageLayout, HeaderKeepsTheFileNameAndFooterCountsPages)
{
    EXPECT_EQ("...\\b\\c\\file.txt", ShortenedTitle("C:\\a\\b\\c\\file.txt", 12));
    EXPECT_EQ(".../file.txt", ShortenedTitle("/home/ann/data/file.txt", 3));
    EXPECT_EQ("/home/ann/data/file.txt", ShortenedTitle("/home/ann/data/file.txt", 23));
    EXPECT_EQ("a-very-long-name-without-folders.txt", ShortenedTitle("a-very-long-name-without-folders.txt", 4));

    Settings s = With(false, false);
    s.printFile = s.printPage = true;
    s.printTop = s.printBottom = 1.0f;
    Job job({"a", "b", "c"}, 20, 102, s);
    job.options.title = "/tmp/x/report.txt";
    const auto pages = job.PrintAll();
    ASSERT_EQ(1u, pages.size());
    ASSERT_EQ(5u, pages[0].runs.size());
    const PrintRun& footer = pages[0].runs[0];
    const PrintRun& header = pages[0].runs[1];
    EXPECT_EQ("Page 1", footer.text);
    EXPECT_EQ((200 - 60) / 2, footer.x);
    EXPECT_EQ(-102 * 20 + 50, footer.y);
    EXPECT_EQ("/tmp/x/report.txt", header.text);
    EXPECT_EQ(-50, header.y);
}

TEST(PageLayout, EverythingOffPrintsOnlyDataRowsFromY0)
{
    Settings s = With(false, false);
    s.printLeft = 0.25f;
    s.printTop = 0.75f;
    Job job({"one", "two"}, 10, 40, s);
    const auto pages = job.PrintAll();
    ASSERT_EQ(1u, pages.size());
    ASSERT_EQ(2u, pages[0].runs.size());
    EXPECT_EQ(25, pages[0].runs[0].x);
    EXPECT_EQ(-75, pages[0].runs[0].y);
    EXPECT_EQ(-75 - 20, pages[0].runs[1].y);
}

TEST(PageLayout, EmptyDocumentPrintsOnePageWithHeaderAndFooter)
{
    Settings s = With(true, true);
    s.printFile = s.printPage = true;
    Job job({}, 10, 10, s);
    const auto pages = job.PrintAll();
    ASSERT_EQ(1u, pages.size());
    EXPECT_TRUE(pages[0].last);
    ASSERT_EQ(2u, pages[0].runs.size());
    EXPECT_EQ("Page 1", pages[0].runs[0].text);
    EXPECT_EQ(1, job.table.lastPage);
}

TEST(PageLayout, NoRoomForAColumnOrARowStillEnds)
{
    Settings s = With(true, true);
    s.printLeft = 40.0f;  // wider than the page
    s.printTop = 40.0f;
    Job job({"abc", "", "de"}, 10, 10, s);
    job.options.hexView = true;
    ASSERT_EQ(1, job.metrics.columnsPerLine);
    ASSERT_EQ(1, job.metrics.linesPerPage);
    const auto pages = job.PrintAll();
    // One column, one group (ruler and three rows) per page.
    ASSERT_EQ(6u, pages.size());
    EXPECT_TRUE(pages.back().last);
    EXPECT_EQ((Strings{"      1", "   1  a", "      6", "      1"}), job.Rows(pages[0]));
    EXPECT_EQ((Strings{"      2", "      b", "      6", "      2"}), job.Rows(pages[1]));
    EXPECT_EQ((Strings{"      1", "   2"}), job.Rows(pages[3]));  // the empty record

    // One line per page with rulers, outside hex view: ruler and row.
    Job plain({"ab", "c"}, 1, 1, With(false, true));
    EXPECT_EQ(3u, plain.PrintAll().size());
}

TEST(PageLayout, SourceModeExpandsTabsInLayoutAndRows)
{
    Job job({"a\tb", "\t\t"}, 4, 10, With(false, false));
    job.options.tabWidth = 4;
    EXPECT_EQ((Strings{"a", "b"}), job.Rows(job.PrintAll()[0]));
    EXPECT_EQ(4, job.table.pages[0].lineCount);  // the tabs' record takes two blank rows
}

TEST(PageLayout, PagesAreLaidOutLazilyAndAgainForAnotherLayout)
{
    auto list = std::make_unique<CRecordList>();
    for (int i = 0; i < 1000; ++i) list->NewRecord(nullptr, U("record"), 6);
    CPageTable table;
    table.Reset(list->head);
    PageLayout layout;
    layout.columnsPerLine = 80;
    layout.linesPerPage = 10;
    EXPECT_EQ(10, table.Find(2, layout).lineCount);
    EXPECT_EQ(2u, table.pages.size());
    EXPECT_EQ(0, table.lastPage);
    EXPECT_EQ(11, table.Find(2, layout).recordNumber);
    EXPECT_EQ(91, table.Find(10, layout).recordNumber);
    EXPECT_EQ(100, table.CountPages(layout));
    EXPECT_EQ(0, table.Find(101, layout).lineCount);
    EXPECT_FALSE(table.HasPage(101));

    layout.linesPerPage = 20;  // a page twice as long
    EXPECT_EQ(21, table.Find(2, layout).recordNumber);
    EXPECT_EQ(0, table.lastPage);
    EXPECT_EQ(50, table.CountPages(layout));
}

// Whatever the records, layout and switches, the pages together show every
// row of the document once, in order, and no page is longer than its lines
// unless it holds a single group.
TEST(PageLayout, PagesTogetherShowEveryRowOnce)
{
    std::mt19937 random(11);
    for (int round = 0; round < 300; ++round) {
        auto pick = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
        const int columns = 1 + pick(12);
        Settings s = With(pick(2) == 1, pick(2) == 1);
        Job job({}, columns, 1 + pick(9), s);
        job.options.hexView = pick(2) == 1;
        job.options.tabWidth = pick(3) == 0 ? 1 + pick(4) : 0;
        const int records = pick(12);
        for (int r = 0; r < records; ++r) {
            std::string bytes;
            for (int b = pick(30); b > 0; --b) bytes.push_back(pick(5) == 0 ? '\t' : static_cast<char>('a' + pick(26)));
            job.list->NewRecord(nullptr, U(bytes), static_cast<int>(bytes.size()));
        }

        // The expected character rows: each record cut at the column width.
        Strings expected;
        for (const RecordNode* n = job.list->head; n; n = n->next) {
            const int width = RecordDisplayWidth(n, job.options.tabWidth);
            for (int column = 1; column == 1 || column <= width; column += columns)
                expected.push_back(DataRowText(n, column, 0, columns, true, job.options.tabWidth));
        }
        Strings printed;
        const auto pages = job.PrintAll();
        ASSERT_FALSE(pages.empty());
        ASSERT_TRUE(pages.back().last) << "round " << round;
        const int rowsPerGroup = (job.options.hexView ? 3 : 1) + (s.printRuler ? 1 : 0);
        for (const PrintedPage& page : pages) {
            const PageStart& start = job.table.Find(page.page, LayoutFor(job.metrics, job.options));
            EXPECT_TRUE(start.lineCount <= job.metrics.linesPerPage || start.lineCount == rowsPerGroup)
                << "round " << round << " page " << page.page;
        }
        // The character rows of every page, walked as the renderer walks.
        for (const PrintedPage& page : pages) {
            const PageStart start = job.table.Find(page.page, LayoutFor(job.metrics, job.options));
            PageWalker walker(start, LayoutFor(job.metrics, job.options));
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
