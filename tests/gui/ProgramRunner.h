#pragma once
#include <string>

// Runs the real program in a shell script, for what the program must do as
// another user or in a mount namespace of its own, and for the command line
// as the system passes it.
struct ProgramRun {
    // Runs the whole script (for example "unshare -m" for a tmpfs of its own).
    std::string wrapper;
    // Shell lines before the program starts.
    std::string setup;
    // Start the program as an unprivileged user (nobody when run as root).
    bool unprivileged = false;
    // Arguments, as shell words.
    std::string args;
    // Shell lines while the program runs; $w is its main window. The program
    // is ended afterwards, then `after` runs. The script's status is that of
    // the last line.
    std::string driver;
    std::string after;
};

// The script's exit status: 0 when every line succeeded. `folder` must be a
// fresh temporary folder; it is made reachable for an unprivileged user.
int RunProgram(const std::string& folder, const ProgramRun& run);

// Shell lines that start `command` in the background, its output going to
// the file `log`, and wait (at most 20 s) for a visible window of it whose
// name matches `windowName` (any window when empty): $pid is the program, $w
// the window. The script fails, showing the log, when the program ends
// first.
std::string StartProgramLines(const std::string& command, const std::string& windowName, const std::string& log);
