#include "PaneBench.h"

#include <algorithm>
#include <cstdio>
#include <vector>
#include <wx/app.h>
#include <wx/dcmemory.h>
#include <wx/frame.h>
#include <wx/init.h>

#include "view/AppViewBase.h"
#include "view/wx/EditDataWnd.h"
#include "view/wx/ViewFonts.h"

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
    {
        wxMemoryDC dc;
        wxBitmap probe(8, 8, 24);
        dc.SelectObject(probe);
        MeasureViewFonts(dc, fonts, view);
    }
    pane->SetTextFont(fonts.textFont);
    frame->SetClientSize(width + 40, height + 40);
    pane->SetClientSize(width, height);
    frame->Show();
    for (int i = 0; i < 20; ++i) wxTheApp->Yield(true);
    view.dataWidth = width;
    view.dataHeight = height;
    view.OnInitialUpdate();
    view.OnDataPaneSized(width, height);
    return pane;
}

double MedianPaintMs(CEditDataWnd& pane, int paints)
{
    pane.Refresh(false);
    pane.Update();
    std::vector<double> times;
    for (int i = 0; i < paints; ++i) {
        const auto start = BenchClock::now();
        pane.Refresh(false);
        pane.Update();
        times.push_back(Ms(BenchClock::now() - start));
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

void StopToolkit(CEditDataWnd* pane)
{
    pane->GetParent()->Destroy();
    wxTheApp->OnExit();
    wxEntryCleanup();
}
