#include <gtest/gtest.h>

#include "gui/ProgramRunner.h"
#include "support/TempDir.h"

namespace {

// Each wait polls for its state and gives up after about ten seconds.
const char kWaitHelpers[] =
    "modified() { xdotool getwindowname $w | grep -q ' - Tabulon\\*$'; }\n"
    "question() { xdotool search --all --onlyvisible --pid $pid --name '^Hold Up!$' 2>/dev/null | head -n1; }\n"
    "until_true() { for i in $(seq 100); do \"$@\" && return 0; sleep 0.1; done; return 1; }\n"
    "no_question() { [ -z \"$(question)\" ]; }\n";

// The program has the file open and edited; another program rewrites it;
// Ctrl+S asks, and Return (the default button, No) leaves the file, its
// backup and the edited document as they were.
TEST(ChangedOnDiskProgram, SaveOverAFileRewrittenByAnotherProgramAsksAndNoKeepsBoth)
{
    TempDir dir;
    ProgramRun run;
    run.setup = "printf 'mine\\r\\n' > doc.txt && printf older > doc.txt.bak";
    run.args = "doc.txt";
    run.driver = std::string(kWaitHelpers) +
                 "xdotool key 53\n"  // x
                 "until_true modified || exit 1\n"
                 "printf 'written by another program\\r\\n' > doc.txt && cp doc.txt expected\n"
                 "xdotool key 37+39\n"  // Ctrl+S
                 "b=$(timeout 15 xdotool search --all --sync --onlyvisible --pid $pid --name '^Hold Up!$' | head -n1)\n"
                 "[ -n \"$b\" ] || exit 1\n"
                 "xdotool windowfocus --sync $b && xdotool key Return\n"
                 "until_true no_question || exit 1\n"
                 "modified";
    run.after = "cmp expected doc.txt && printf older | cmp - doc.txt.bak";
    EXPECT_EQ(0, RunProgram(dir.Path(), run));
}

}  // namespace
