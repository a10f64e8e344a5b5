#include <gtest/gtest.h>

#include <string>
#include <unistd.h>

#include "gui/ProgramRunner.h"
#include "support/TempDir.h"

namespace {

// Types "x" at the start of the document, presses Ctrl+S and waits (at most
// 20 s) until the file, a shell word, has changed and the title has lost
// its "*".
std::string TypeAndSave(const std::string& file)
{
    return "cp " + file + " before.copy\n"
           "xdotool key 53 37+39\n"
           "for i in $(seq 200); do\n"
           "  cmp -s before.copy " + file + " || case $(xdotool getwindowname $w) in *\\*) ;; *) exit 0 ;; esac\n"
           "  sleep 0.1\n"
           "done\n"
           "exit 1\n";
}

TEST(ProgramSave, AnUnprivilegedUserSavesAWritableFileInAFolderTheyCannotWrite)
{
    TempDir dir;
    ProgramRun run;
    run.setup = "mkdir locked && printf 'old\\r\\n' > locked/doc.txt && chmod 666 locked/doc.txt && chmod 555 locked";
    run.unprivileged = true;
    run.args = "locked/doc.txt";
    run.driver = TypeAndSave("locked/doc.txt");
    run.after = "printf 'xold\\r\\n' | cmp - locked/doc.txt && [ ! -e locked/doc.txt.bak ]";
    EXPECT_EQ(0, RunProgram(dir.Path(), run));
}

TEST(ProgramSave, AFileWithTwoHardLinksShowsTheNewBytesUnderBothNames)
{
    TempDir dir;
    ProgramRun run;
    run.setup = "printf 'one\\r\\n' > doc.txt && ln doc.txt other.txt";
    run.args = "doc.txt";
    run.driver = TypeAndSave("doc.txt");
    run.after = "printf 'xone\\r\\n' | cmp - other.txt && cmp doc.txt other.txt && "
                "[ \"$(stat -c %i doc.txt)\" = \"$(stat -c %i other.txt)\" ] && printf 'one\\r\\n' | cmp - doc.txt.bak";
    EXPECT_EQ(0, RunProgram(dir.Path(), run));
}

// A 1 MB tmpfs of its own, filled up: one file saved by replacing it, one
// with a second hard link saved in place. A typed byte makes each need a new
// page of the disk.
TEST(ProgramSave, AFullDiskRefusesTheSaveAndKeepsTheFileAndItsBackup)
{
    for (const std::string file : {"doc.txt", "linked.txt"}) {
        TempDir dir;
        ProgramRun run;
        run.wrapper = ::geteuid() == 0 ? "unshare -m" : "unshare -rm";
        run.setup = "mkdir disk && mount -t tmpfs -o size=1m tmpfs disk || exit 1\n"
                    "line=$(head -c 4094 /dev/zero | tr '\\0' a)\n"
                    "for f in doc.txt linked.txt; do printf '%s\\r\\n' \"$line\" > disk/$f; "
                    "printf older > disk/$f.bak; done\n"
                    "ln disk/linked.txt disk/second.txt\n"
                    "cp disk/doc.txt expected\n"
                    "dd if=/dev/zero of=disk/filler bs=4k 2>/dev/null\n";
        run.args = "disk/" + file;
        run.driver = "xdotool key 53 37+39\n"
                     "b=$(timeout 15 xdotool search --all --sync --onlyvisible --pid $pid --name '^File Error$' | head -n1)\n"
                     "[ -n \"$b\" ] || exit 1\n"
                     "xdotool windowfocus --sync $b; xdotool key Return\n"
                     "for i in $(seq 100); do\n"
                     "  xdotool search --all --onlyvisible --pid $pid --name '^File Error$' >/dev/null || exit 0\n"
                     "  sleep 0.1\n"
                     "done\n"
                     "exit 1";
        run.after = "cmp expected disk/doc.txt && cmp expected disk/linked.txt && cmp expected disk/second.txt && "
                    "printf older | cmp - disk/doc.txt.bak && printf older | cmp - disk/linked.txt.bak";
        EXPECT_EQ(0, RunProgram(dir.Path(), run)) << file;
    }
}

TEST(ProgramSave, AFileNameThatIsNotUtf8OpensFromTheCommandLineAndSavesUnderItsBytes)
{
    TempDir dir;
    ProgramRun run;
    run.setup = "name=$(printf 'caf\\351.txt'); printf 'v\\n' > \"$name\"";
    run.args = "\"$name\"";
    run.driver = std::string("xdotool getwindowname $w | grep -q '/caf.*\\.txt - Tabulon$' || exit 1\n") + TypeAndSave("\"$name\"");
    run.after = "printf 'xv\\n' | cmp - \"$name\" && [ \"$(ls | grep -c caf)\" = 2 ]";  // the file and its .bak
    EXPECT_EQ(0, RunProgram(dir.Path(), run));
}

}  // namespace
