#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "options/PageMetrics.h"
#include "options/PageWalker.h"
#include "options/PrintOptions.h"
#include "view/ViewColours.h"

struct RecordNode;

// A string of one colour, drawn with its top-left corner at (x, y).
struct PrintRun {
    int x = 0;
    int y = 0;
    Rgb colour = 0;
    std::string text;
};

// Everything one page shows, in drawing order.
struct PrintedPage {
    int page = 1;
    std::vector<PrintRun> runs;
    bool last = false;  // the records ran out on this page
};

inline constexpr Rgb kPrintTextColour = MakeRgb(0, 0, 0);
inline constexpr Rgb kPrintNibbleColour = MakeRgb(128, 128, 128);

// Where each printed page starts. Pages are laid out lazily, when first
// asked for, from the last page known; printing starts without a page count
// and the last page is the one on which the records run out.
class CPageTable {
public:
    // Starts a print job or preview: no page laid out, page 1 starts at
    // `first` (the record list's first record).
    void Reset(RecordNode* first);
    // The start and line count of `page` (1-based), laying out the pages
    // up to it that are not yet known. A table laid out for another layout
    // starts again from page 1. A page after the last one has no record and
    // no rows.
    const PageStart& Find(int page, const PageLayout& layout);
    // Lays out every page; the number of pages.
    int CountPages(const PageLayout& layout);
    // The runs of `page` at their logical coordinates: footer, header, then
    // ruler and text rows from y0 downward. Sets lastPage when the records
    // run out on this page.
    PrintedPage Draw(int page, const PageMetrics& metrics, const PrintOptions& options);

    // Whether `page` exists, as far as known: the job goes on until the
    // last page.
    bool HasPage(int page) const { return page >= 1 && (lastPage == 0 || page <= lastPage); }

    // 0 until the page on which the records run out has been laid out, then
    // its number.
    int lastPage = 0;
    // Entry i describes page i + 1.
    std::vector<PageStart> pages;
    // The print job the table was last reset for (see NewPrintJobId).
    std::uint64_t jobId = 0;

private:
    // Lays out `entry`'s page from its start; answers the start of the next.
    PageStart LayOut(PageStart& entry);

    PageLayout layout_;
    PageStart pastEnd_;
};

// A number for a new print job, never given before.
std::uint64_t NewPrintJobId();
