// The running program ended from outside and started again: the autosave
// copy it leaves and the offer of that copy.
#include <gtest/gtest.h>

#include "gui/ProgramRunner.h"
#include "support/TempDir.h"

namespace {

// Shell helpers; doc.txt holding "abc", and its bytes before and after "x"
// is typed.
const char kHelpers[] = R"sh(
printf 'abc\r\n' > doc.txt; cp doc.txt original; printf 'xabc\r\n' > edited
until_true() { for i in $(seq 200); do eval "$1" && return 0; sleep 0.1; done; return 1; }
# Process $1 has ended (a zombie has closed its files).
gone() { ! ps -o stat= -p "$1" | grep -qv Z; }
# Another instance, ended with the script, as $p; retried as the runner does.
launch() {
  trap 'kill ${p:-} 2>/dev/null' EXIT
  for attempt in 1 2 3; do ./tabulon "$@" & p=$!; sleep 1; kill -0 $p 2>/dev/null && return 0; done; return 1
}
window() { timeout 20 xdotool search --all --sync --onlyvisible --pid "$1" --name "$2" | head -n1; }
# Presses Return in the "Hold Up!" box of process $1 that is not box $2.
answer() {
  until_true "xdotool search --all --onlyvisible --pid $1 --name '^Hold Up!\$' | grep -qvx '$2'" || return 1
  box=$(xdotool search --all --onlyvisible --pid $1 --name '^Hold Up!$' | grep -vx "$2" | head -n1)
  xdotool windowfocus --sync $box && sleep 0.3 && xdotool key Return
}
)sh";

// With autosave on every 300 ms, types "x", waits for the copy, runs
// `beforeKill`, kills the program with SIGKILL (the copy stays) and runs
// `afterKill`.
ProgramRun EditedWithAutosave(const std::string& beforeKill, const std::string& afterKill)
{
    ProgramRun run;
    run.setup = std::string(kHelpers) + R"sh(
export TABULON_AUTOSAVE_MS=300
printf '%s\n\n%s\n%s\n' 'Windows Registry Editor Version 5.00' \
  "[HKEY_LOCAL_MACHINE\\Software\\Halvern's Workshop\\Tabulon]" '"autoSave"=hex:01' > home/registry.reg
)sh";
    run.args = "doc.txt";
    run.driver = "xdotool key 53\nuntil_true 'cmp -s edited doc.txt.tbsav' || exit 1\n" + beforeKill +
                 "\nkill -KILL $pid; until_true \"gone $pid\" || exit 1\ncmp -s edited doc.txt.tbsav || exit 1\n" +
                 afterKill;
    return run;
}

TEST(ProgramRecovery, AKilledProgramsCopyIsOfferedToTheNextStartNotToASecondInstanceAndYesKeepsItUntilSaved)
{
    TempDir dir;
    // A second instance shows its window only once the file is open. The
    // copy is newer than the file: Return answers Yes.
    const ProgramRun run = EditedWithAutosave(R"sh(
launch doc.txt && [ -n "$(window $p ' - Tabulon$')" ] || exit 1
! xdotool search --all --onlyvisible --pid $p --name '^Hold Up!$' || exit 1
kill $p; until_true "gone $p" || exit 1
)sh", R"sh(
launch doc.txt && answer $p none || exit 1
w=$(window $p ' - Tabulon\*$'); [ -n "$w" ] || exit 1
xdotool windowfocus --sync $w; sleep 0.3; xdotool key 37+39
until_true '[ ! -e doc.txt.tbsav ]' && cmp edited doc.txt || exit 1
[ -n "$(window $p '^doc.txt - Tabulon$')" ]
)sh");
    EXPECT_EQ(0, RunProgram(dir.Path(), run));
}

TEST(ProgramRecovery, NoToAnOlderCopyKeepsItUnderAStampedNameAndASignalWaitsForTheOpen)
{
    TempDir dir;
    // The file is made newer than the copy: No is the default. Had the
    // SIGTERM sent during the question ended the program at once, the copy
    // would not have been moved.
    const ProgramRun run = EditedWithAutosave("", R"sh(
touch -d '+1 minute' doc.txt
launch doc.txt && d=$(window $p '^Hold Up!$') && [ -n "$d" ] || exit 1
kill -TERM $p
answer $p none && answer $p $d && until_true "gone $p" || exit 1
[ ! -e doc.txt.tbsav ] && [ "$(ls doc.txt.tbsav-* | wc -l)" = 1 ] && cmp edited doc.txt.tbsav-* && cmp original doc.txt
)sh");
    EXPECT_EQ(0, RunProgram(dir.Path(), run));
}

TEST(ProgramRecovery, SigtermLeavesACopyOfAModifiedDocumentOnlyWithoutAutosave)
{
    TempDir dir;
    ProgramRun run;
    run.setup = std::string(kHelpers) + "cp doc.txt other.txt\n";
    run.args = "doc.txt";
    // An unmodified document ended the same way leaves nothing; the runner
    // ends the modified one with SIGTERM.
    run.driver = R"sh(
launch other.txt && [ -n "$(window $p ' - Tabulon$')" ] || exit 1
kill -TERM $p; until_true "gone $p" || exit 1
[ ! -e other.txt.tbsav ] && [ ! -e .other.txt.tbsav.lock ] || exit 1
xdotool windowfocus --sync $w; sleep 0.3; xdotool key 53
[ -n "$(window $pid ' - Tabulon\*$')" ]
)sh";
    run.after = "cmp edited doc.txt.tbsav && cmp original doc.txt && [ ! -e .doc.txt.tbsav.lock ]";
    EXPECT_EQ(0, RunProgram(dir.Path(), run));
}

TEST(ProgramRecovery, LosingTheDisplayLeavesACopyOfAModifiedDocument)
{
    TempDir dir;
    ProgramRun run;
    // A display of the test's own, ended under the program.
    run.setup = std::string(kHelpers) + R"sh(
Xvfb -displayfd 3 -screen 0 1280x1024x24 3>display.txt 2>/dev/null & xvfb=$!
until_true '[ -s display.txt ]' || exit 1
export DISPLAY=:$(cat display.txt); unset XAUTHORITY
)sh";
    run.args = "doc.txt";
    run.driver = R"sh(
xdotool key 53
[ -n "$(window $pid ' - Tabulon\*$')" ] || exit 1
kill $xvfb; until_true "gone $pid" && cmp edited doc.txt.tbsav
)sh";
    EXPECT_EQ(0, RunProgram(dir.Path(), run));
}

}  // namespace
