// Measures the data pane's paint of a 1280 x 1024 pane at the top and at
// record 2,000,000 of the benchmark file, in character and hex view, and
// scrolling by the thumb from the top to the end against a plain walk of
// the list. Usage: view_bench FILE (a file of more than 2,000,000 records).
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>
#include <wx/wx.h>

#include "app/AppViewDocument.h"
#include "app/Globals.h"
#include "records/RecordList.h"
#include "view/AppViewBase.h"
#include "view/wx/EditDataWnd.h"
#include "PaneBench.h"

namespace {

using Clock = BenchClock;

constexpr int kPaneWidth = 1280;
constexpr int kPaneHeight = 1024;
constexpr int kFarRecord = 2000000;
constexpr int kPaints = 25;

bool Report(const char* what, double ms, double peerMs, double maxRatio, double limitMs)
{
    const double ratio = ms / peerMs;
    const bool ok = ratio <= maxRatio && (limitMs <= 0 || ms <= limitMs);
    std::printf("%-44s %9.2f ms  peer %9.2f ms  ratio %5.2f (<= %.2f%s)  %s\n", what, ms, peerMs,
                ratio, maxRatio, limitMs > 0 ? (", <= " + std::to_string(int(limitMs)) + " ms").c_str() : "",
                ok ? "ok" : "SLOW");
    return ok;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: view_bench FILE\n");
        return 2;
    }
    const std::string path = argv[1];
    if (!StartToolkit(argv, "view_bench")) return 2;

    CRecordList list;
    const auto loadStart = Clock::now();
    if (list.Load(path, 0, 0) != 0 || list.recordCount <= kFarRecord) {
        std::fprintf(stderr, "view_bench: %s must load with more than %d records\n", path.c_str(), kFarRecord);
        return 2;
    }
    std::printf("loaded %lld records in %.0f ms\n", static_cast<long long>(list.recordCount),
                Ms(Clock::now() - loadStart));
    theRecordList = &list;

    CAppViewBase view;
    view.AttachDocument(&AppWideViewDocument());
    CEditDataWnd* pane = ShowDataPane(view, "view_bench", kPaneWidth, kPaneHeight);
    std::printf("pane %dx%d: %d columns x %d rows of %dx%d cells\n", kPaneWidth, kPaneHeight,
                view.pageCols, view.pageRows, view.charWidth, view.charHeight);

    bool ok = true;
    for (int hex = 0; hex < 2; ++hex) {
        if (hex) view.ToggleHex();
        view.SetTopRow(0);
        const double top = MedianPaintMs(*pane, kPaints);
        view.SetTopRow(kFarRecord * view.rowsPerRecord);
        const double far = MedianPaintMs(*pane, kPaints);
        const std::string what = std::string("paint at record 2000000, ") + (hex ? "hex" : "character") + " view";
        ok &= Report((std::string(hex ? "paint at the top, hex view" : "paint at the top, character view")).c_str(),
                     top, top, 1.0, 16.0);
        ok &= Report(what.c_str(), far, top, 1.5, 16.0);
    }

    // Thumb scrolling from the top to the end in 2000 steps, against one
    // walk of the list from head to tail; best of three each. Each step also
    // measures the records on screen for the horizontal range, so the
    // scroll may cost a little more than the bare walk, never a multiple.
    constexpr int kSteps = 2000;
    double walkMs = 1e9;
    double scrollMs = 1e9;
    int walked = 0;
    for (int round = 0; round < 3; ++round) {
        auto start = Clock::now();
        walked = 0;
        for (RecordNode* node = list.head; node; node = node->next) ++walked;
        walkMs = std::min(walkMs, Ms(Clock::now() - start));

        view.SetTopRow(0);
        view.OnVScroll(ScrollCode::ThumbTrack, 0);
        const std::int64_t last = view.vertScroll.LastPosition();
        start = Clock::now();
        for (int step = 1; step <= kSteps; ++step)
            view.OnVScroll(ScrollCode::ThumbTrack, static_cast<int>(static_cast<long long>(last) * step / kSteps));
        scrollMs = std::min(scrollMs, Ms(Clock::now() - start));
        if (view.topRow != last) {
            std::printf("thumb stopped at row %lld of %lld\n", static_cast<long long>(view.topRow),
                        static_cast<long long>(last));
            ok = false;
        }
    }
    std::printf("walked %d records\n", walked);
    ok &= Report("thumb scroll top to end, 2000 steps (hex)", scrollMs, walkMs, 1.25, 0);

    theRecordList = nullptr;
    StopToolkit(pane);
    return ok ? 0 : 1;
}
