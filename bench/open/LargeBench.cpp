// Working on a large file, for bench/open/large.sh.
//
//   large_bench generate PATH LINES
//       UNIX lines "%09d " and 10 to 88 random characters (60 bytes a line
//       on average); every LINES / 1,000,000th line holds "XYZZY", so that
//       there are about a million (at least one).
//   large_bench run FILE PATTERN REPLACEMENT OUT
//       Loads FILE, shows it in a data pane of 1280 x 1024, and times, each
//       with the repaint it causes: Ctrl+Page Down (to the last record), a
//       Jump to the last record, and thumb drags to places all over the bar
//       (the slowest reported; the bar's last position must show the last
//       record). Then Replace All of PATTERN by REPLACEMENT, written to OUT
//       for comparison with sed. Prints "name value" lines.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "PaneBench.h"
#include "app/AppViewDocument.h"
#include "app/Globals.h"
#include "commands/FindEngine.h"
#include "commands/FindPattern.h"
#include "commands/JumpLogic.h"
#include "commands/ReplaceAllEngine.h"
#include "platform/KeyScanCodes.h"
#include "records/RecordList.h"
#include "view/AppViewBase.h"
#include "view/wx/EditDataWnd.h"

namespace {

int Generate(const char* path, long long lines)
{
    std::FILE* out = std::fopen(path, "wb");
    if (!out || lines <= 0) return 1;
    std::mt19937_64 random(20250101);
    const char alphabet[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789 .,;:-_()";
    std::vector<char> pool(1 << 20);
    for (char& c : pool) c = alphabet[random() % (sizeof alphabet - 1)];
    const long long stride = std::max(1LL, lines / 1000000);
    std::vector<char> buffer;
    buffer.reserve(8 << 20);
    char number[16];
    for (long long i = 0; i < lines; ++i) {
        const std::uint64_t r = random();
        const std::size_t length = 10 + r % 79;
        const std::size_t from = (r >> 8) % (pool.size() - 100);
        std::snprintf(number, sizeof number, "%09lld ", i % 1000000000);
        buffer.insert(buffer.end(), number, number + 10);
        const std::size_t at = buffer.size();
        buffer.insert(buffer.end(), pool.begin() + static_cast<std::ptrdiff_t>(from),
                      pool.begin() + static_cast<std::ptrdiff_t>(from + length));
        if (i % stride == 0) std::memcpy(buffer.data() + at + length / 2 - 2, "XYZZY", 5);
        buffer.push_back('\n');
        if (buffer.size() > (7 << 20)) {
            if (std::fwrite(buffer.data(), 1, buffer.size(), out) != buffer.size()) return 1;
            buffer.clear();
        }
    }
    if (std::fwrite(buffer.data(), 1, buffer.size(), out) != buffer.size()) return 1;
    return std::fclose(out) == 0 ? 0 : 1;
}

// An action and the repaint it causes, in milliseconds.
template <class Action>
double Timed(CEditDataWnd& pane, Action action)
{
    const auto start = BenchClock::now();
    action();
    pane.Refresh(false);
    pane.Update();
    return Ms(BenchClock::now() - start);
}

CFindMatcher MatcherFor(const char* text)
{
    FindPattern pattern;
    if (ParsePattern(text, pattern) != PatternParse::Ok) std::fprintf(stderr, "bad pattern %s\n", text);
    return CFindMatcher(pattern, true);
}

int Run(char** argv)
{
    if (!StartToolkit(argv, "large_bench")) return 2;
    CRecordList list;
    auto start = BenchClock::now();
    if (list.Load(argv[2], 0, 0) != 0) {
        std::fprintf(stderr, "large_bench: cannot load %s\n", argv[2]);
        return 1;
    }
    std::printf("load_ms %.0f\nrecords %lld\nbytes %lld\n", Ms(BenchClock::now() - start),
                static_cast<long long>(list.recordCount), static_cast<long long>(list.totalBytes));
    theRecordList = &list;
    CAppViewBase view;
    view.AttachDocument(&AppWideViewDocument());
    CEditDataWnd* pane = ShowDataPane(view, "large_bench", 1280, 1024);
    const RecordIndex last = list.recordCount - 1;
    bool ok = true;

    const double end = Timed(*pane, [&] { view.OnKey(true, scan_code::kPageDown); });
    ok &= view.caretRecord == last && view.topRecord + view.pageRows > last;
    view.OnKey(true, scan_code::kPageUp);

    CJumpLogic jump;
    jump.jumpValue = list.recordCount;
    const double jumped = Timed(*pane, [&] { jump.Jump(view, list); });
    ok &= view.caretRecord == last && view.topRecord + view.pageRows > last;
    view.OnKey(true, scan_code::kPageUp);

    // The toolkit's bar positions, the last one first: every place of the bar.
    const BarSetting bar = BarFor(view.vertScroll);
    const int barLast = bar.range - bar.page;
    double thumb = 0;
    for (const double share : {1.0, 0.1, 0.9, 0.5, 0.0, 0.75, 0.25, 0.999, 0.001, 1.0}) {
        const int position = static_cast<int>(share * barLast);
        thumb = std::max(thumb, Timed(*pane, [&] { view.OnVScroll(ScrollCode::ThumbTrack, position); }));
        if (position == barLast) ok &= view.topRecord + view.pageRows > last;
    }
    std::printf("ctrl_page_down_ms %.2f\njump_to_last_ms %.2f\nthumb_drag_ms %.2f\nlast_record_shown %d\n", end,
                jumped, thumb, ok ? 1 : 0);

    const CFindMatcher matcher = MatcherFor(argv[3]);
    start = BenchClock::now();
    const ReplaceAllResult result =
        ReplaceAllMatches(list, matcher, argv[4], true, FindPosition{list.head, 0, 0}, 0);
    std::printf("replace_seconds %.3f\nreplaced %lld\n", Ms(BenchClock::now() - start) / 1000,
                static_cast<long long>(result.replaced));
    const bool saved = list.Save(true, argv[5], list.file.mode) == 0;
    theRecordList = nullptr;
    StopToolkit(pane);
    return ok && saved ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc == 4 && std::strcmp(argv[1], "generate") == 0) return Generate(argv[2], std::atoll(argv[3]));
    if (argc == 6 && std::strcmp(argv[1], "run") == 0) return Run(argv);
    std::fprintf(stderr, "usage: large_bench generate PATH LINES | run FILE PATTERN REPLACEMENT OUT\n");
    return 2;
}
