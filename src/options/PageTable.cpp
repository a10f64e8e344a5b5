#include "options/PageTable.h"

#include <atomic>
#include <limits>

#include "options/PrintRowText.h"

namespace {

// Adds a run without its leading and trailing blanks; nothing for blanks
// alone.
void AddRun(PrintedPage& out, int x, int y, Rgb colour, const std::string& text, int charWidth)
{
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) return;
    const std::size_t last = text.find_last_not_of(' ');
    out.runs.push_back({x + static_cast<int>(first) * charWidth, y, colour, text.substr(first, last - first + 1)});
}

// A line centred on the whole printable width, not between the margins.
int CentredX(const PageMetrics& m, const std::string& text)
{
    return m.area.left + (m.area.width - TextLength(text) * m.charWidth) / 2;
}

}  // namespace

std::uint64_t NewPrintJobId()
{
    static std::atomic<std::uint64_t> next{1};
    return next++;
}

void CPageTable::Reset(RecordNode* first)
{
    lastPage = 0;
    pages.clear();
    PageStart start;
    start.record = first;
    pages.push_back(start);
}

PageStart CPageTable::LayOut(PageStart& entry)
{
    PageWalker walker(entry, layout_);
    int rows = 0;
    int rowsAtGroup = 0;
    bool lastWasRuler = false;
    bool full = false;
    while (!walker.AtEnd()) {
        lastWasRuler = walker.Next().ruler;
        ++rows;
        if (walker.GroupComplete()) rowsAtGroup = rows;
        // A page holds at least one whole group, so that every page moves
        // on even when the margins leave room for less.
        if (rows >= layout_.linesPerPage && rowsAtGroup > 0) {
            full = true;
            break;
        }
    }
    // A group of three hex rows never splits across pages: it opens the
    // next one, where the walk starts again at the group's position.
    const bool inGroup = full && !lastWasRuler && !walker.GroupComplete();
    entry.lineCount = inGroup ? rowsAtGroup : rows;
    if (walker.AtEnd() && (lastPage == 0 || entry.page < lastPage)) lastPage = entry.page;

    PageStart next;
    next.record = walker.Record();
    next.recordNumber = walker.RecordNumber();
    next.startColumn = walker.Column();
    next.page = entry.page + 1;
    return next;
}

const PageStart& CPageTable::Find(int page, const PageLayout& layout)
{
    if (pages.empty()) Reset(nullptr);
    if (!(layout == layout_)) {
        // Page breaks of another layout say nothing about this one.
        PageStart first = pages.front();
        first.lineCount = 0;
        pages.assign(1, first);
        lastPage = 0;
        layout_ = layout;
    }
    if (page < 1) page = 1;
    pastEnd_ = PageStart{};
    pastEnd_.page = page;
    if (lastPage != 0 && page > lastPage) return pastEnd_;
    if (static_cast<std::size_t>(page) <= pages.size() && pages[page - 1].lineCount != 0) return pages[page - 1];
    for (;;) {
        const PageStart next = LayOut(pages.back());
        if (pages.back().page >= page) return pages.back();
        if (lastPage != 0) return pastEnd_;
        pages.push_back(next);
    }
}

int CPageTable::CountPages(const PageLayout& layout)
{
    Find(std::numeric_limits<int>::max(), layout);
    return lastPage;
}

PrintedPage CPageTable::Draw(int page, const PageMetrics& metrics, const PrintOptions& options)
{
    PrintedPage out;
    out.page = page;
    const int cw = metrics.charWidth;
    if (options.printPage) {
        const std::string footer = FooterText(page);
        out.runs.push_back({CentredX(metrics, footer), metrics.footerY, kPrintTextColour, footer});
    }
    if (options.printFile) {
        const std::string header = ShortenedTitle(options.title, metrics.columnsPerLine);
        out.runs.push_back({CentredX(metrics, header), metrics.headerY, kPrintTextColour, header});
    }

    const PageLayout layout = LayoutFor(metrics, options);
    const PageStart start = Find(page, layout);
    PageWalker walker(start, layout);
    int y = metrics.y0;
    for (int rows = 0; rows < start.lineCount && !walker.AtEnd(); ++rows) {
        const PageRow row = walker.Next();
        if (row.ruler) {
            AddRun(out, metrics.x0, y, kPrintTextColour,
                   RulerText(row.column, metrics.columnsPerLine, options.printLine), cw);
        } else {
            std::string text;
            if (options.printLine) text = NumberColumnText(row.recordNumber, row.column == 1 && row.hexRow == 0);
            text += DataRowText(row.record, row.column, row.hexRow, metrics.columnsPerLine, options.asciiView,
                                options.tabWidth);
            AddRun(out, metrics.x0, y, row.hexRow == 0 ? kPrintTextColour : kPrintNibbleColour, text, cw);
        }
        y -= metrics.lineHeight;
    }
    out.last = walker.AtEnd();
    if (out.last && (lastPage == 0 || page < lastPage)) lastPage = page;
    return out;
}
