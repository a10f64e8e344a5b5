#include "gui/ProgramRunner.h"

#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>

#include "gui/GuiApp.h"
#include "support/TempDir.h"

#include <vector>
#include <wx/toplevel.h>

namespace {

std::string Quoted(const std::string& text)
{
    std::string quoted = "'";
    for (char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

// The test program's own windows would take the keyboard focus from the
// program under test; they are hidden while it runs.
class HiddenTestWindows {
public:
    HiddenTestWindows()
    {
        for (wxWindow* window : wxTopLevelWindows)
            if (window->IsShown()) {
                window->Hide();
                hidden_.push_back(window);
            }
        GuiApp::ProcessEvents(0);
    }
    ~HiddenTestWindows()
    {
        for (wxWindow* window : hidden_) window->Show();
        GuiApp::ProcessEvents(0);
    }

private:
    std::vector<wxWindow*> hidden_;
};

}  // namespace

std::string StartProgramLines(const std::string& command, const std::string& windowName, const std::string& log)
{
    // Against a busy Xvfb the display server now and then refuses the toolkit
    // its connection ("Unable to initialize GTK+"); only such a start is
    // tried again. Any other end before the window shows is a fault.
    return "for attempt in 1 2 3; do\n"
           "  " + command + " >" + Quoted(log) + " 2>&1 & pid=$!\n"
           "  w=\n"
           "  for i in $(seq 200); do\n"
           "    w=$(xdotool search --all --onlyvisible --pid $pid" +
           (windowName.empty() ? "" : " --name " + Quoted(windowName)) + " 2>/dev/null | head -n1)\n"
           "    [ -n \"$w\" ] || ! kill -0 $pid 2>/dev/null && break\n"
           "    sleep 0.1\n"
           "  done\n"
           "  [ -n \"$w\" ] && break\n"
           "  kill $pid 2>/dev/null; wait $pid 2>/dev/null\n"
           "  grep -q 'Unable to initialize GTK+' " + Quoted(log) + " || break\n"
           "done\n"
           "[ -n \"$w\" ] || { echo \"The program did not show its window:\"; cat " + Quoted(log) + "; exit 1; } >&2\n";
}

int RunProgram(const std::string& folder, const ProgramRun& run)
{
    ::chmod(folder.c_str(), 0755);
    // A copy of the program and of the X authority in the folder, so that an
    // unprivileged user can reach both wherever the build lives.
    const std::string program = folder + "/tabulon";
    std::string script = "set -u\ncd " + Quoted(folder) + "\n";
    script += "cp " + Quoted(TABULON_EXE) + " ./tabulon || exit 1\n";
    script += "mkdir -p home && export HOME=" + Quoted(folder + "/home") + "\n";
    script += "export TABULON_REGISTRY=" + Quoted(folder + "/home/registry.reg") + "\n";
    script += "if [ -n \"${XAUTHORITY:-}\" ]; then cp \"$XAUTHORITY\" xauthority && chmod 644 xauthority && "
              "export XAUTHORITY=" + Quoted(folder + "/xauthority") + "; fi\n";
    std::string launcher;
    if (run.unprivileged && ::geteuid() == 0) {
        script += "chown 65534:65534 home\n";
        launcher = "setpriv --reuid=65534 --regid=65534 --clear-groups ";
    }
    script += run.setup + "\n";
    script += StartProgramLines(launcher + Quoted(program) + " " + run.args, "", "program.log");
    script += "timeout 10 xdotool windowfocus --sync $w || exit 1\n";
    script += "(\n" + run.driver + "\n)\nfound=$?\n";
    script += "kill $pid 2>/dev/null; wait $pid 2>/dev/null\n";
    script += "[ $found -eq 0 ] || exit $found\n";
    script += run.after + "\n";
    const std::string path = folder + "/run.sh";
    WriteFileBytes(path, script);
    HiddenTestWindows hidden;
    return std::system((run.wrapper + " bash " + Quoted(path)).c_str()) == 0 ? 0 : 1;
}
