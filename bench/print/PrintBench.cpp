// Measures printing the benchmark file into a PostScript file: the time per
// page for pages 1 to 50 against one paint of the view's 1280 x 1024 data
// pane measured in the same run (target: at most 5x), and page 10,000, which
// first lays out the 9,999 pages before it (target: laying out a page costs
// at most a tenth of drawing one). Usage: print_bench FILE PSFILE.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>
#include <wx/cmndata.h>
#include <wx/dcps.h>
#include <wx/wx.h>

#include "app/AppViewDocument.h"
#include "app/Globals.h"
#include "options/PageTable.h"
#include "options/wx/AppPrintout.h"
#include "records/RecordList.h"
#include "view/AppViewBase.h"
#include "view/wx/EditDataWnd.h"
#include "PaneBench.h"

namespace {

using Clock = BenchClock;

constexpr int kPaneWidth = 1280;
constexpr int kPaneHeight = 1024;
constexpr int kPaints = 25;
constexpr int kFirstPages = 50;
constexpr int kFarPage = 10000;

bool Report(const char* what, double ms, double peerMs, double maxRatio)
{
    const double ratio = ms / peerMs;
    const bool ok = ratio <= maxRatio;
    std::printf("%-48s %9.3f ms  peer %9.3f ms  ratio %6.3f (<= %.2f)  %s\n", what, ms, peerMs, ratio, maxRatio,
                ok ? "ok" : "SLOW");
    return ok;
}

// A new print job on the PostScript device, as the printer starts one.
std::unique_ptr<CAppPrintout> StartJob(wxPostScriptDC& dc, const std::string& title)
{
    auto printout = std::make_unique<CAppPrintout>(title);
    printout->SetDC(&dc);
    printout->SetPPIPrinter(dc.GetResolution(), dc.GetResolution());
    const wxSize size = dc.GetSize();
    printout->SetPageSizePixels(size.x, size.y);
    printout->OnPreparePrinting();
    printout->OnBeginPrinting();
    return printout;
}

double PrintPageMs(wxPostScriptDC& dc, CAppPrintout& printout, int page)
{
    const auto start = Clock::now();
    dc.StartPage();
    printout.OnPrintPage(page);
    dc.EndPage();
    return Ms(Clock::now() - start);
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: print_bench FILE PSFILE\n");
        return 2;
    }
    const std::string path = argv[1];
    if (!StartToolkit(argv, "print_bench")) return 2;

    CRecordList list;
    const auto loadStart = Clock::now();
    if (list.Load(path, 0, 0) != 0) {
        std::fprintf(stderr, "print_bench: cannot load %s\n", path.c_str());
        return 2;
    }
    std::printf("loaded %lld records in %.0f ms\n", static_cast<long long>(list.recordCount),
                Ms(Clock::now() - loadStart));
    theRecordList = &list;

    // The peer: one paint of the view's data pane at the top of the file.
    CAppViewBase view;
    view.AttachDocument(&AppWideViewDocument());
    theView = &view;
    CEditDataWnd* pane = ShowDataPane(view, "print_bench", kPaneWidth, kPaneHeight);
    const double paintMs = MedianPaintMs(*pane, kPaints);

    wxPrintData data;
    data.SetFilename(argv[2]);
    data.SetPrintMode(wxPRINT_MODE_FILE);
    data.SetPaperId(wxPAPER_A4);
    wxPostScriptDC dc(data);
    if (!dc.IsOk() || !dc.StartDoc("print_bench")) {
        std::fprintf(stderr, "print_bench: cannot write %s\n", argv[2]);
        return 2;
    }

    bool ok = true;
    {
        auto printout = StartJob(dc, path);
        const auto start = Clock::now();
        for (int page = 1; page <= kFirstPages; ++page) PrintPageMs(dc, *printout, page);
        const double perPage = Ms(Clock::now() - start) / kFirstPages;
        std::printf("page 50 starts at record %lld; %zu pages laid out\n",
                    static_cast<long long>(thePageTable.pages[kFirstPages - 1].recordNumber),
                    thePageTable.pages.size());
        if (thePageTable.pages.size() != static_cast<std::size_t>(kFirstPages)) {
            std::printf("pages 1 to 50 laid out more of the document than they show\n");
            ok = false;
        }
        ok &= Report("print pages 1 to 50, per page (vs one paint)", perPage, paintMs, 5.0);
    }
    {
        auto printout = StartJob(dc, path);
        const double first = PrintPageMs(dc, *printout, kFarPage);
        std::vector<double> draws;
        for (int i = 0; i < 5; ++i) draws.push_back(PrintPageMs(dc, *printout, kFarPage));
        std::sort(draws.begin(), draws.end());
        const double drawMs = draws[draws.size() / 2];
        const double layoutPerPage = std::max(first - drawMs, 0.0) / (kFarPage - 1);
        std::printf("page 10000 starts at record %lld (%.1f ms with the layout before it)\n",
                    static_cast<long long>(thePageTable.pages[kFarPage - 1].recordNumber), first);
        ok &= Report("lay out one page before page 10000 (vs drawing one)", layoutPerPage, drawMs, 0.1);
    }
    dc.EndDoc();

    theView = nullptr;
    theRecordList = nullptr;
    StopToolkit(pane);
    return ok ? 0 : 1;
}
