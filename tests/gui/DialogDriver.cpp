#include "gui/DialogDriver.h"

#include <cstdlib>
#include <fstream>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include "gui/GuiApp.h"
#include "support/TempDir.h"

DialogDriver::DialogDriver(const std::string& windowTitle, const std::string& xdotoolCommands)
{
    char templ[] = "/tmp/tabulon-driver-XXXXXX";
    dir_ = ::mkdtemp(templ);
    donePath_ = dir_ + "/done";
    const std::string script = dir_ + "/drive.sh";
    std::ofstream(script) << "w=$(timeout 20 xdotool search --sync --onlyvisible --name '^" << windowTitle
                          << "$' | head -n1) || exit 1\n"
                          << "sleep 0.7\n"
                          << "xdotool windowfocus --sync $w 2>/dev/null; sleep 0.2\n"
                          << xdotoolCommands << "\n"
                          << "touch " << donePath_ << "\n";
    pid_ = ::fork();
    if (pid_ == 0) {
        ::execl("/bin/bash", "bash", script.c_str(), static_cast<char*>(nullptr));
        ::_exit(127);
    }
}

DialogDriver::~DialogDriver()
{
    WaitForScript();
    std::system(("rm -rf '" + dir_ + "'").c_str());
}

void DialogDriver::WaitForScript()
{
    if (pid_ <= 0) return;
    for (int i = 0; i < 100 && ::waitpid(pid_, nullptr, WNOHANG) == 0; ++i) GuiApp::ProcessEvents(50);
    if (::waitpid(pid_, nullptr, WNOHANG) == 0) {
        ::kill(pid_, SIGKILL);
        ::waitpid(pid_, nullptr, 0);
    }
    pid_ = -1;
}

bool DialogDriver::Finished()
{
    WaitForScript();
    return FileExists(donePath_);
}
