// The running program ended from outside and started again: the autosave
// copy it leaves and the offer of that copy.
#include <gtest/gtest.h>

#include "gui/ProgramRunner.h"
#include "support/TempDir.h"

namespace {

// Shell helpers for the scripts; doc.txt holding "abc", and the bytes it
// holds before and after "x" is typed.
const char kHelpers[] = R"sh(
printf 'abc\r\n' > doc.txt; cp doc.txt original; printf 'xabc\r\n' > edited
# Waits up to 20 s for a shell condition.
until_true() { for i in $(seq 200); do eval "$1" && return 0; sleep 0.1; done; return 1; }
# True once process $1 has ended (a zombie counts: its files are closed).
gone() { ! ps -o stat= -p "$1" | grep -qv Z; }
# Starts another instance, ended with the script; its pid in $p. GTK under a
# busy Xvfb now and then fails to start at once; a second start has always
# worked.
launch() {
  trap 'kill ${p:-} 2>/dev/null' EXIT
  for attempt in 1 2 3; do ./tabulon "$@" & p=$!; sleep 1; kill -0 $p 2>/dev/null && return 0; done; return 1
}
# The first visible window of process $1 named like $2.
window() { timeout 20 xdotool search --all --sync --onlyvisible --pid "$1" --name "$2" | head -n1; }
# Presses key $3 in window $2 of process $1 once it shows.
press() { local win; win=$(window "$1" "$2"); [ -n "$win" ] && xdotool windowfocus --sync $win && sleep 0.3 &&
          xdotool key "$3"; }
# A second "Hold Up!" box after box $2 of process $1 was answered.
next_box() { until_true "xdotool search --all --onlyvisible --pid $1 --name '^Hold Up!\$' | grep -qvx $2"; }
)sh";

// Autosave on, every 300 ms.
const char kAutoSaveOn[] = R"sh(
export TABULON_AUTOSAVE_MS=300
printf '%s\n\n%s\n%s\n' 'Windows Registry Editor Version 5.00' \
  "[HKEY_LOCAL_MACHINE\\Software\\Halvern's Workshop\\Tabulon]" '"autoSave"=hex:01' > home/registry.reg
)sh";

// Types "x" at the start of doc.txt, waits for the autosave copy, runs
// `beforeKill`, and kills the program with SIGKILL, which leaves the copy
// behind; then `afterKill` runs.
ProgramRun EditedWithAutosave(const std::string& beforeKill, const std::string& afterKill)
{
    ProgramRun run;
    run.setup = std::string(kHelpers) + kAutoSaveOn;
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
launch doc.txt || exit 1
[ -n "$(window $p ' - Tabulon$')" ] || exit 1
! xdotool search --all --onlyvisible --pid $p --name '^Hold Up!$' || exit 1
kill $p; until_true "gone $p" || exit 1
)sh", R"sh(
launch doc.txt || exit 1
press $p '^Hold Up!$' Return || exit 1
w=$(window $p ' - Tabulon\*$'); [ -n "$w" ] || exit 1
xdotool windowfocus --sync $w; sleep 0.3; xdotool key 37+39
until_true '[ ! -e doc.txt.tbsav ]' || exit 1
cmp edited doc.txt || exit 1
[ -n "$(window $p '^doc.txt - Tabulon$')" ]
)sh");
    EXPECT_EQ(0, RunProgram(dir.Path(), run));
}

TEST(ProgramRecovery, NoToACopyOlderThanTheFileKeepsItUnderAStampedName)
{
    TempDir dir;
    // The file is made newer than the copy: No is the default.
    const ProgramRun run = EditedWithAutosave("", R"sh(
touch -d '+1 minute' doc.txt
launch doc.txt || exit 1
d=$(window $p '^Hold Up!$'); [ -n "$d" ] || exit 1
xdotool windowfocus --sync $d; sleep 0.3; xdotool key Return
next_box $p $d || exit 1
[ ! -e doc.txt.tbsav ] && [ "$(ls doc.txt.tbsav-* | wc -l)" = 1 ] || exit 1
cmp edited doc.txt.tbsav-* || exit 1
cmp original doc.txt
)sh");
    EXPECT_EQ(0, RunProgram(dir.Path(), run));
}

TEST(ProgramRecovery, SigtermLeavesACopyOfAModifiedDocumentOnlyWithoutAutosave)
{
    TempDir dir;
    ProgramRun run;
    run.setup = std::string(kHelpers) + "cp doc.txt other.txt\n";
    run.args = "doc.txt";
    // An unmodified document ended the same way leaves nothing.
    run.driver = R"sh(
launch other.txt || exit 1
[ -n "$(window $p ' - Tabulon$')" ] || exit 1
kill -TERM $p; until_true "gone $p" || exit 1
[ ! -e other.txt.tbsav ] && [ ! -e .other.txt.tbsav.lock ] || exit 1
xdotool windowfocus --sync $w; sleep 0.3; xdotool key 53
[ -n "$(window $pid ' - Tabulon\*$')" ]
)sh";
    // The runner ends the program with SIGTERM.
    run.after = "cmp edited doc.txt.tbsav && cmp original doc.txt && "
                "[ ! -e .doc.txt.tbsav.lock ]";
    EXPECT_EQ(0, RunProgram(dir.Path(), run));
}

TEST(ProgramRecovery, ASignalDuringTheOfferWaitsUntilTheOpenEnds)
{
    TempDir dir;
    ProgramRun run;
    run.setup = std::string(kHelpers) + "cp edited doc.txt.tbsav; touch -d '+1 minute' doc.txt\n";
    // The runner's own instance is an untitled one; the one under test
    // starts with the offer. Had SIGTERM ended it at once, the copy would
    // not have been moved aside.
    run.driver = R"sh(
launch doc.txt || exit 1
d=$(window $p '^Hold Up!$'); [ -n "$d" ] || exit 1
kill -TERM $p
xdotool windowfocus --sync $d && sleep 0.3 && xdotool key Return || exit 1
next_box $p $d || exit 1
b=$(xdotool search --all --onlyvisible --pid $p --name '^Hold Up!$' | grep -vx $d | head -n1)
xdotool windowfocus --sync $b && sleep 0.3 && xdotool key Return || exit 1
until_true "gone $p" || exit 1
[ ! -e doc.txt.tbsav ] && cmp edited doc.txt.tbsav-*
)sh";
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
kill $xvfb; until_true "gone $pid" || exit 1
cmp edited doc.txt.tbsav
)sh";
    EXPECT_EQ(0, RunProgram(dir.Path(), run));
}

}  // namespace
