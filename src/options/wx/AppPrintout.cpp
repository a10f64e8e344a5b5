#include "options/wx/AppPrintout.h"

#include <cstdlib>
#include <wx/dc.h>
#include <wx/dcps.h>

#include "app/Globals.h"
#include "options/PrintOptions.h"
#include "options/wx/PrintFont.h"
#include "platform/wx/WxPaths.h"
#include "records/RecordList.h"
#include "resources/Strings.h"
#include "view/AppViewBase.h"

namespace {

// A screen font at the preview's small sizes is hinted away from its
// proportions; it is scaled so that a run still spans its cells. PostScript
// devices print the font itself (their text extents are only estimates).
void FitToCells(wxDC& dc, wxFont& font, const PrintFont& printFont)
{
    if (wxDynamicCast(&dc, wxPostScriptDC)) return;
    constexpr int kSample = 100;
    wxCoord width = 0;
    dc.GetTextExtent(wxString('M', kSample), &width, nullptr);
    const int wanted = kSample * printFont.charWidth;
    if (width <= 0 || std::abs(width - wanted) * 2 <= printFont.charWidth) return;
    font.SetFractionalPointSize(printFont.points * wanted / width);
    dc.SetFont(font);
}

}  // namespace

wxPrintout* CreateDocumentPrintout()
{
    const bool titled = theRecordList && !theRecordList->fileName.empty();
    return new CAppPrintout(titled ? theRecordList->fileName : std::string(kUntitledName));
}

CAppPrintout::CAppPrintout(const std::string& title)
    : wxPrintout(BytesToWx(title)), title_(title), jobId_(NewPrintJobId())
{
}

void CAppPrintout::StartJob()
{
    if (thePageTable.jobId == jobId_) return;
    thePageTable.Reset(theRecordList ? theRecordList->head : nullptr);
    thePageTable.jobId = jobId_;
    knownLastPage_ = 0;
}

void CAppPrintout::OnPreparePrinting() { StartJob(); }

void CAppPrintout::OnBeginPrinting()
{
    wxPrintout::OnBeginPrinting();
    StartJob();
}

void CAppPrintout::NoteLastPage()
{
    if (thePageTable.jobId == jobId_ && thePageTable.lastPage != 0) knownLastPage_ = thePageTable.lastPage;
}

bool CAppPrintout::ComputeMetrics(PageMetrics& metrics)
{
    int width = 0;
    int height = 0;
    int ppiX = 0;
    int ppiY = 0;
    GetPageSizePixels(&width, &height);
    GetPPIPrinter(&ppiX, &ppiY);
    if (width <= 0 || height <= 0 || ppiX <= 0 || ppiY <= 0) return false;
    const PrintFont& font = PrintFontFor(theSettings.printFont);
    metrics = ComputePageMetrics(AreaForDevice(width, height, ppiX, ppiY), font.charWidth, font.lineHeight,
                                 theSettings);
    return true;
}

void CAppPrintout::GetPageInfo(int* minPage, int* maxPage, int* selPageFrom, int* selPageTo)
{
    NoteLastPage();
    const wxDC* dc = GetDC();
    const bool needsCount = dc && (IsPreview() || !wxDynamicCast(dc, wxPostScriptDC));
    PageMetrics metrics;
    if (knownLastPage_ == 0 && needsCount && ComputeMetrics(metrics)) {
        StartJob();
        const PrintOptions options = CurrentPrintOptions(theSettings, theView, title_);
        knownLastPage_ = thePageTable.CountPages(LayoutFor(metrics, options));
    }
    *minPage = 1;
    *maxPage = knownLastPage_ != 0 ? knownLastPage_ : kUnknownLastPage;
    *selPageFrom = 1;
    *selPageTo = *maxPage;
}

bool CAppPrintout::HasPage(int page)
{
    NoteLastPage();
    return page >= 1 && (knownLastPage_ == 0 || page <= knownLastPage_);
}

void CAppPrintout::PrepareDC(wxDC& dc)
{
    int pageWidth = 0;
    int pageHeight = 0;
    int ppiX = 0;
    int ppiY = 0;
    int dcWidth = 0;
    int dcHeight = 0;
    GetPageSizePixels(&pageWidth, &pageHeight);
    GetPPIPrinter(&ppiX, &ppiY);
    dc.GetSize(&dcWidth, &dcHeight);
    // The device may be the printer or a preview bitmap of the same page.
    const double scaleX = static_cast<double>(dcWidth) / pageWidth * ppiX / 100.0;
    const double scaleY = static_cast<double>(dcHeight) / pageHeight * ppiY / 100.0;
    dc.SetMapMode(wxMM_TEXT);
    dc.SetUserScale(scaleX, scaleY);
    dc.SetLogicalOrigin(0, 0);
    dc.SetDeviceOrigin(0, 0);
    // The page's y grows upward. The axis is not flipped on the device:
    // devices disagree on where text goes on a flipped axis, so the runs are
    // placed at -y instead, with their top-left corner there on every one.
    dc.SetAxisOrientation(true, false);
}

bool CAppPrintout::OnPrintPage(int page)
{
    wxDC* dc = GetDC();
    PageMetrics metrics;
    if (!dc || !ComputeMetrics(metrics)) return false;
    StartJob();
    const PrintOptions options = CurrentPrintOptions(theSettings, theView, title_);
    lastPrinted_ = thePageTable.Draw(page, metrics, options);
    NoteLastPage();

    PrepareDC(*dc);
    const PrintFont& printFont = PrintFontFor(theSettings.printFont);
    wxFont font = printFont.Font();
    dc->SetFont(font);
    FitToCells(*dc, font, printFont);
    dc->SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
    for (const PrintRun& run : lastPrinted_.runs) {
        dc->SetTextForeground(wxColour(RedOf(run.colour), GreenOf(run.colour), BlueOf(run.colour)));
        dc->DrawText(BytesToWx(run.text), run.x, -run.y);
    }
    return true;
}
