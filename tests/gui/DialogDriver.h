#pragma once
#include <string>

// Drives a modal dialog of the program from outside: a background script
// waits for a visible window with the given title, gives it the focus and
// runs the given shell lines (xdotool commands such as "xdotool key Escape"),
// while the test runs the dialog.
class DialogDriver {
public:
    DialogDriver(const std::string& windowTitle, const std::string& xdotoolCommands);
    // Waits for the script to end (at most a few seconds).
    ~DialogDriver();
    DialogDriver(const DialogDriver&) = delete;
    DialogDriver& operator=(const DialogDriver&) = delete;

    // Waits for the script to end; true when it found the window and sent
    // its keys.
    bool Finished();

private:
    void WaitForScript();

    std::string donePath_;
    std::string dir_;
    int pid_ = -1;
};
