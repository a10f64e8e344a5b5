#include "gui/DialogDriver.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>
#include <wx/dialog.h>
#include <wx/filedlg.h>
#include <wx/modalhook.h>
#include <wx/timer.h>
#include <wx/toplevel.h>
#include <wx/window.h>

#include "commands/wx/FileDialogPath.h"
#include "gui/GuiApp.h"
#include "support/TempDir.h"

namespace {

using Clock = std::chrono::steady_clock;

// How long a dialog may stay open after its script has sent everything.
constexpr auto kGrace = std::chrono::seconds(10);

}  // namespace

// Runs beside the dialog's own event loop: reaps the script, answers its
// questions about the file chooser, and closes a dialog left open.
class DialogDriver::Watch : public wxTimer, public wxModalDialogHook {
public:
    Watch(std::string dir, std::string title) : dir_(std::move(dir)), title_(std::move(title))
    {
        Register();
        Start(50);
    }
    ~Watch() override { Unregister(); }

    void Notify() override
    {
        if (pid > 0 && ::waitpid(pid, nullptr, WNOHANG) == pid) {
            pid = -1;
            ended_ = Clock::now();
        }
        if (open_.empty()) return;
        wxDialog* dialog = open_.back();
        auto* chooser = dynamic_cast<wxFileDialog*>(dialog);
        // Keys reach a dialog of the toolkit's own once the display has
        // given it the focus and the toolkit has put that on a control.
        if (dialog->IsShown() && (chooser || (dialog->IsActive() && wxWindow::FindFocus() &&
                                              wxGetTopLevelParent(wxWindow::FindFocus()) == dialog)))
            Touch(dir_ + "/ready");
        // The script asks, through a file, whether the chooser has taken a path.
        const std::string want = dir_ + "/want";
        if (chooser && FileExists(want) && ChosenPath(*chooser) == ReadFileBytes(want))
            std::rename(want.c_str(), (dir_ + "/chosen").c_str());
        for (const auto& [name, condition] : conditions)
            if (FileExists(dir_ + "/await-" + name) && condition())
                std::rename((dir_ + "/await-" + name).c_str(), (dir_ + "/met-" + name).c_str());
        if (pid <= 0 && Clock::now() - ended_ > kGrace) {
            ADD_FAILURE() << "The dialog \"" << title_ << "\" was still open "
                          << std::chrono::duration_cast<std::chrono::seconds>(kGrace).count()
                          << " s after its script ended (lost keys?); closed it."
                          << (chooser ? " It had chosen \"" + ChosenPath(*chooser) + "\"." : std::string());
            dialog->EndModal(wxID_CANCEL);
            ended_ = Clock::time_point::max();  // once
        }
    }

    int pid = -1;
    std::map<std::string, std::function<bool()>> conditions;

protected:
    int Enter(wxDialog* dialog) override
    {
        open_.push_back(dialog);
        return wxID_NONE;
    }
    void Exit(wxDialog* dialog) override
    {
        open_.erase(std::remove(open_.begin(), open_.end(), dialog), open_.end());
        if (open_.empty()) Touch(dir_ + "/closed");
    }

private:
    static void Touch(const std::string& path)
    {
        if (!FileExists(path)) WriteFileBytes(path, "");
    }

    std::string dir_;
    std::string title_;
    std::vector<wxDialog*> open_;
    Clock::time_point ended_;
};

DialogDriver::DialogDriver(const std::string& windowTitle, const std::string& xdotoolCommands)
{
    char templ[] = "/tmp/tabulon-driver-XXXXXX";
    dir_ = ::mkdtemp(templ);
    donePath_ = dir_ + "/done";
    const std::string script = dir_ + "/drive.sh";
    std::ofstream(script) << "d='" << dir_ << "'\n"
                          << "chosen() {\n"
                          << "  printf '%s' \"$1\" >$d/want\n"
                          << "  for i in $(seq 0 199); do\n"
                          << "    [ -n \"${2:-}\" ] && [ $((i % 10)) = 0 ] && xdotool key $2\n"
                          << "    [ -e $d/chosen ] && rm $d/chosen && return 0\n"
                          << "    sleep 0.05\n"
                          << "  done\n"
                          << "  echo \"The file chooser did not take $1\" >&2; exit 1\n"
                          << "}\n"
                          << "await() {\n"
                          << "  touch $d/await-$1\n"
                          << "  for i in $(seq 200); do [ -e $d/met-$1 ] && rm $d/met-$1 && return 0; sleep 0.05; done\n"
                          << "  echo \"The dialog's test never saw $1\" >&2; exit 1\n"
                          << "}\n"
                          << "accept() {\n"
                          << "  rm -f $d/closed\n"
                          << "  for i in 1 2 3 4 5; do\n"
                          << "    xdotool key Return\n"
                          << "    for j in $(seq 40); do [ -e $d/closed ] && return 0; sleep 0.05; done\n"
                          << "  done\n"
                          << "  echo 'Return did not close the dialog' >&2; exit 1\n"
                          << "}\n"
                          << "w=$(timeout 20 xdotool search --sync --onlyvisible --name '^" << windowTitle
                          << "$' | head -n1) || exit 1\n"
                          << "timeout 10 xdotool windowfocus --sync $w 2>/dev/null || exit 1\n"
                          << "for i in $(seq 200); do [ -e $d/ready ] && break; sleep 0.05; done\n"
                          << "[ -e $d/ready ] || { echo 'The dialog never took the keyboard' >&2; exit 1; }\n"
                          << xdotoolCommands << "\n"
                          << "touch " << donePath_ << "\n";
    watch_ = std::make_unique<Watch>(dir_, windowTitle);
    watch_->pid = ::fork();
    if (watch_->pid == 0) {
        ::execl("/bin/bash", "bash", script.c_str(), static_cast<char*>(nullptr));
        ::_exit(127);
    }
}

DialogDriver::~DialogDriver()
{
    WaitForScript();
    std::system(("rm -rf '" + dir_ + "'").c_str());
}

void DialogDriver::When(const std::string& name, std::function<bool()> condition)
{
    watch_->conditions[name] = std::move(condition);
}

std::string DialogDriver::AwaitChosen(const std::string& path, const std::string& keys)
{
    return "chosen '" + path + "' '" + keys + "'\n";
}

std::string DialogDriver::ChooseFile(const std::string& path)
{
    return "xdotool type --delay 20 '" + path + "'\n" + AwaitChosen(path) + "accept\n";
}

void DialogDriver::WaitForScript()
{
    if (!GuiApp::RunUntil([this] { return watch_->pid <= 0; }) && watch_->pid > 0) {
        ::kill(watch_->pid, SIGKILL);
        ::waitpid(watch_->pid, nullptr, 0);
        watch_->pid = -1;
    }
}

bool DialogDriver::Finished()
{
    WaitForScript();
    return FileExists(donePath_);
}
