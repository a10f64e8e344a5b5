// Measures the search engine on a large file: a search for a pattern the
// file does not hold (one full round of the document) and Replace All of a
// pattern that occurs often, each as the Find and Replace dialog runs it.
// The peers (grep and sed) are measured by run.sh in the same run.
// Usage: find_bench FILE ABSENT PATTERN REPLACEMENT OUT
// Prints "search_seconds S found F", "replace_seconds S replaced N" (medians)
// and writes the document after one Replace All to OUT in its own format.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "app/Globals.h"
#include "commands/FindEngine.h"
#include "commands/ReplaceAllEngine.h"
#include "records/RecordList.h"

namespace {

using Clock = std::chrono::steady_clock;

double Seconds(Clock::duration d) { return std::chrono::duration<double>(d).count(); }

double Median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

CFindMatcher MatcherFor(const char* text)
{
    FindPattern pattern;
    if (ParsePattern(text, pattern) != PatternParse::Ok) std::fprintf(stderr, "bad pattern %s\n", text);
    return CFindMatcher(pattern, true);
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 6) {
        std::fprintf(stderr, "usage: find_bench FILE ABSENT PATTERN REPLACEMENT OUT\n");
        return 2;
    }
    CRecordList list;
    theRecordList = &list;
    if (list.Load(argv[1], 0, 0) != 0) {
        std::fprintf(stderr, "cannot load %s\n", argv[1]);
        return 1;
    }
    const FindPosition start{list.head, 0, 0};

    const CFindMatcher absent = MatcherFor(argv[2]);
    std::vector<double> searches;
    bool found = false;
    for (int round = 0; round < 5; ++round) {
        FindPosition at, end;
        const auto t0 = Clock::now();
        found = FindNext(list, absent, true, start, 0, at, end) || found;
        searches.push_back(Seconds(Clock::now() - t0));
    }
    std::printf("search_seconds %.4f found %d\n", Median(searches), found ? 1 : 0);

    const CFindMatcher often = MatcherFor(argv[3]);
    const std::string replacement = argv[4];
    std::vector<double> replaces;
    long long replaced = 0;
    for (int round = 0; round < 3; ++round) {
        const auto t0 = Clock::now();
        ReplaceAllResult result = ReplaceAllMatches(list, often, replacement, true, start, 0);
        replaces.push_back(Seconds(Clock::now() - t0));
        replaced = result.replaced;
        // Undo between rounds, so each starts from the file as loaded.
        if (round < 2 && result.log &&
            !(result.log->Fits(list.head, 0) && result.log->Restore(list, list.head, 0))) {
            std::fprintf(stderr, "undo of Replace All failed\n");
            return 1;
        }
    }
    std::printf("replace_seconds %.4f replaced %lld\n", Median(replaces), replaced);
    if (list.Save(true, argv[5], list.file.mode) != 0) {
        std::fprintf(stderr, "cannot write %s\n", argv[5]);
        return 1;
    }
    theRecordList = nullptr;
    return 0;
}
