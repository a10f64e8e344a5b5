#include "PaneBench.h"

#include <X11/Xlib.h>
#include <algorithm>
#include <cstdio>
#include <vector>
#include <wx/app.h>
#include <wx/dcmemory.h>
#include <wx/frame.h>
#include <wx/init.h>
#include <wx/utils.h>

#include "view/AppViewBase.h"
#include "view/ViewHost.h"
#include "view/wx/EditDataWnd.h"
#include "view/wx/LineWnd.h"
#include "view/wx/RulerWnd.h"
#include "view/wx/ViewFonts.h"

namespace {

// Repaints the panes the view invalidates, as the program's view does.
class PanesHost : public NullViewHost {
public:
    explicit PanesHost(BenchPanes& panes) : panes_(panes) {}
    void InvalidatePane(ViewPane pane) override
    {
        if (pane == ViewPane::Data || pane == ViewPane::All) panes_.data->ViewChanged();
        if (pane == ViewPane::Line || pane == ViewPane::All) panes_.line->ViewChanged();
        if (pane == ViewPane::Ruler || pane == ViewPane::All) panes_.ruler->ViewChanged();
    }

private:
    BenchPanes& panes_;
};

void MeasureFonts(CAppViewBase& view, const ViewFonts& fonts)
{
    wxMemoryDC dc;
    wxBitmap probe(8, 8, 24);
    dc.SelectObject(probe);
    MeasureViewFonts(dc, fonts, view);
}

void Settle()
{
    for (int i = 0; i < 20; ++i) wxTheApp->Yield(true);
}

}  // namespace

double Ms(BenchClock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

bool StartToolkit(char** argv, const char* name)
{
    int wxArgc = 1;
    wxApp::SetInstance(new wxApp);
    if (wxEntryStart(wxArgc, argv) && wxTheApp->CallOnInit()) return true;
    std::fprintf(stderr, "%s: no display\n", name);
    return false;
}

CEditDataWnd* ShowDataPane(CAppViewBase& view, const char* name, int width, int height)
{
    auto* frame = new wxFrame(nullptr, wxID_ANY, name);
    auto* pane = new CEditDataWnd(frame, view);
    const ViewFonts fonts = CreateViewFonts();
    MeasureFonts(view, fonts);
    pane->SetTextFont(fonts.textFont);
    frame->SetClientSize(width + 40, height + 40);
    pane->SetClientSize(width, height);
    frame->Show();
    Settle();
    view.dataWidth = width;
    view.dataHeight = height;
    view.OnInitialUpdate();
    view.OnDataPaneSized(width, height);
    return pane;
}

BenchPanes::BenchPanes() = default;
BenchPanes::~BenchPanes() = default;

void ShowViewPanes(CAppViewBase& view, const char* name, int width, int height, BenchPanes& panes)
{
    panes.frame = new wxFrame(nullptr, wxID_ANY, name);
    const ViewFonts fonts = CreateViewFonts();
    MeasureFonts(view, fonts);
    panes.ruler = new CRulerWnd(panes.frame, view);
    panes.line = new CLineWnd(panes.frame, view);
    panes.data = new CEditDataWnd(panes.frame, view);
    panes.ruler->SetFont(fonts.smallFont);
    panes.line->SetFont(fonts.smallFont);
    panes.data->SetTextFont(fonts.textFont);
    panes.frame->SetClientSize(view.lineWidth + width + 40, view.rulerHeight + height + 40);
    panes.data->SetPosition(wxPoint(view.lineWidth, view.rulerHeight));
    panes.data->SetClientSize(width, height);
    const wxSize outer = panes.data->GetSize();
    view.dataWidth = outer.x;
    view.dataHeight = outer.y;
    panes.ruler->SetSize(view.lineWidth, 1, view.dataWidth, view.rulerHeight - 1);
    panes.line->SetSize(1, view.rulerHeight, view.lineWidth - 1, view.dataHeight);
    panes.frame->Show();
    Settle();
    panes.host = std::make_unique<PanesHost>(panes);
    view.SetHost(panes.host.get());
    view.OnInitialUpdate();
    view.OnDataPaneSized(width, height);
    Settle();
}

void CloseViewPanes(CAppViewBase& view, BenchPanes& panes)
{
    view.SetHost(nullptr);
    panes.host.reset();
    panes.frame->Destroy();
    Settle();
}

void WaitForDisplay() { XSync(wxGetX11Display(), False); }

void PaintNow(wxWindow& window)
{
    window.Update();
    WaitForDisplay();
}

double MedianPaintMs(wxWindow& pane, int paints)
{
    pane.Refresh(false);
    PaintNow(pane);
    std::vector<double> times;
    for (int i = 0; i < paints; ++i) {
        const auto start = BenchClock::now();
        pane.Refresh(false);
        PaintNow(pane);
        times.push_back(Ms(BenchClock::now() - start));
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

double MedianRepaintMs(CEditDataWnd& pane, int paints)
{
    pane.RepaintAll();
    WaitForDisplay();
    std::vector<double> times;
    for (int i = 0; i < paints; ++i) {
        const auto start = BenchClock::now();
        pane.RepaintAll();
        WaitForDisplay();
        times.push_back(Ms(BenchClock::now() - start));
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

void StopToolkit(CEditDataWnd* pane)
{
    pane->GetParent()->Destroy();
    StopToolkit();
}

void StopToolkit()
{
    wxTheApp->OnExit();
    wxEntryCleanup();
}
