// Measures the keys that jump across a large document (Ctrl+Page Down,
// Ctrl+Page Up), paging and typing deep inside it, each as the view runs it
// with the status refresh that follows every key. The peer is one walk of
// the record list from head to tail, what a key would cost that counted its
// way to the end: every key must be immediate, well under a hundredth of
// that walk and under a frame (16 ms). Usage: editing_bench FILE.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "app/AppViewDocument.h"
#include "app/Globals.h"
#include "platform/KeyScanCodes.h"
#include "records/RecordList.h"
#include "view/AppViewBase.h"
#include "view/ViewHost.h"

namespace {

using Clock = std::chrono::steady_clock;

double Ms(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

// The main frame's caret refresh: the horizontal range of the records on
// screen and the caret.
class StatusHost : public NullViewHost {
public:
    explicit StatusHost(CAppViewBase& view) : view_(view) {}
    void UpdateStatus() override
    {
        view_.UpdateHScrollRange();
        view_.UpdateCaret();
    }

private:
    CAppViewBase& view_;
};

constexpr int kRepeats = 41;

template <typename Action>
double MedianMs(Action action)
{
    std::vector<double> times;
    for (int i = 0; i < kRepeats; ++i) {
        const auto start = Clock::now();
        action(i);
        times.push_back(Ms(Clock::now() - start));
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

bool Report(const char* what, double ms, double peerMs)
{
    constexpr double kMaxRatio = 0.01;
    constexpr double kFrameMs = 16.0;
    const double ratio = ms / peerMs;
    const bool ok = ratio <= kMaxRatio && ms <= kFrameMs;
    std::printf("%-46s %9.4f ms  list walk %8.2f ms  ratio %.5f (<= %.2f, <= %.0f ms)  %s\n", what, ms,
                peerMs, ratio, kMaxRatio, kFrameMs, ok ? "ok" : "SLOW");
    return ok;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: editing_bench FILE\n");
        return 2;
    }
    CRecordList list;
    const auto loadStart = Clock::now();
    if (list.Load(argv[1], 0, 0) != 0 || list.recordCount < 1000000) {
        std::fprintf(stderr, "editing_bench: %s must load with a million records or more\n", argv[1]);
        return 2;
    }
    std::printf("loaded %lld records, %lld bytes in %.0f ms\n", static_cast<long long>(list.recordCount),
                static_cast<long long>(list.totalBytes), Ms(Clock::now() - loadStart));
    theRecordList = &list;

    CAppViewBase view;
    StatusHost host(view);
    view.SetHost(&host);
    view.AttachDocument(&AppWideViewDocument());
    view.charWidth = 8;
    view.charHeight = 17;
    view.OnInitialUpdate();
    view.OnDataPaneSized(161 * 8, 60 * 17);  // 160 columns, 60 rows

    double walkMs = 1e9;
    for (int round = 0; round < 3; ++round) {
        const auto start = Clock::now();
        long long walked = 0;
        for (RecordNode* node = list.head; node; node = node->next) walked += node->length;
        walkMs = std::min(walkMs, Ms(Clock::now() - start));
        if (walked != list.totalBytes) return 2;
    }

    bool ok = true;
    const int last = list.recordCount - 1;
    // Each measured press starts from the other end.
    double downMs = 0;
    double upMs = 0;
    for (int i = 0; i < kRepeats; ++i) {
        auto start = Clock::now();
        view.OnKey(true, scan_code::kPageUp);
        upMs += Ms(Clock::now() - start);
        ok &= view.caretRecord == 0 && view.topRow == 0;
        start = Clock::now();
        view.OnKey(true, scan_code::kPageDown);
        downMs += Ms(Clock::now() - start);
        ok &= view.caretRecord == last;
    }
    ok &= Report("Ctrl+Page Down from the top (mean)", downMs / kRepeats, walkMs);
    ok &= Report("Ctrl+Page Up from the end (mean)", upMs / kRepeats, walkMs);

    // Paging and typing two million records down.
    view.OnKey(true, scan_code::kPageUp);
    for (int i = 0; i < 2000000 / view.pageRows; ++i) view.OnKey(false, scan_code::kPageDown);
    const int deep = view.caretRecord;
    ok &= Report("Page Down at record 2,000,000",
                 MedianMs([&](int i) { view.OnKey(false, i % 2 ? scan_code::kPageUp : scan_code::kPageDown); }),
                 walkMs);
    ok &= Report("typing a character there and Backspace", MedianMs([&](int) {
                     view.OnChar(false, 'x');
                     view.OnChar(false, 8);
                 }) / 2,
                 walkMs);
    ok &= Report("Enter there and Backspace", MedianMs([&](int) {
                     view.OnChar(false, 13);
                     view.OnChar(false, 8);
                 }) / 2,
                 walkMs);
    std::printf("caret at record %lld (from %d)\n", static_cast<long long>(view.caretRecord), deep);

    view.SetHost(nullptr);
    theRecordList = nullptr;
    std::printf(ok ? "all keys immediate\n" : "SLOW keys\n");
    return ok ? 0 : 1;
}
