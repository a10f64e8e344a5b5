#pragma once
#include <cstdint>
#include <string>
#include <wx/print.h>

#include "options/PageMetrics.h"
#include "options/PageTable.h"

// The document on paper and in the print preview: the view's printing steps.
// The pages themselves come from the application's page table; this only
// sets up the device and draws the runs the table answers.
class CAppPrintout : public wxPrintout {
public:
    // `title` is the document's full path, or "Untitled".
    explicit CAppPrintout(const std::string& title);

    // Both start the job: the page table is reset once per printout, then
    // lays out pages as they are asked for (the preview begins printing again
    // for every page it shows).
    void OnPreparePrinting() override;
    void OnBeginPrinting() override;
    // Pages 1 to the last one when it is known. Devices that need the count
    // before the first page (the preview, the system's print dialog) get it
    // by laying out every page; the PostScript printer goes lazily page by
    // page until the records run out.
    void GetPageInfo(int* minPage, int* maxPage, int* selPageFrom, int* selPageTo) override;
    // The job goes on until the last page.
    bool HasPage(int page) override;
    bool OnPrintPage(int page) override;

    // What the last page drawn showed.
    const PrintedPage& LastPrinted() const { return lastPrinted_; }

    // Page range offered while the page count is not known yet.
    static constexpr int kUnknownLastPage = 999999;

private:
    void StartJob();
    // The page's metrics for this device; false while the device has no size.
    bool ComputeMetrics(PageMetrics& metrics);
    // 0.01-inch units with the origin at the printable area's top-left.
    void PrepareDC(wxDC& dc);
    void NoteLastPage();

    std::string title_;
    std::uint64_t jobId_;
    int knownLastPage_ = 0;
    PrintedPage lastPrinted_;
};

// A printout of the current document, for the framework's Print and Print
// Preview.
wxPrintout* CreateDocumentPrintout();
