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
        GuiApp::ProcessEvents(100);
    }
    ~HiddenTestWindows()
    {
        for (wxWindow* window : hidden_) window->Show();
        GuiApp::ProcessEvents(100);
    }

private:
    std::vector<wxWindow*> hidden_;
};

}  // namespace

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
    // GTK under a busy Xvfb now and then fails to start at once (exit 255);
    // a second start has always worked.
    script += "for attempt in 1 2 3; do\n"
              "  " + launcher + Quoted(program) + " " + run.args + " & pid=$!\n"
              "  sleep 1\n"
              "  kill -0 $pid 2>/dev/null && break\n"
              "done\n"
              "w=$(timeout 20 xdotool search --sync --onlyvisible --pid $pid --name ' - Tabulon' | head -n1)\n"
              "[ -n \"$w\" ] || { kill $pid; exit 1; }\n"
              "sleep 0.5; xdotool windowfocus --sync $w; sleep 0.3\n";
    script += "(\n" + run.driver + "\n)\nfound=$?\n";
    script += "kill $pid 2>/dev/null; wait $pid 2>/dev/null\n";
    script += "[ $found -eq 0 ] || exit $found\n";
    script += run.after + "\n";
    const std::string path = folder + "/run.sh";
    WriteFileBytes(path, script);
    HiddenTestWindows hidden;
    return std::system((run.wrapper + " bash " + Quoted(path)).c_str()) == 0 ? 0 : 1;
}
