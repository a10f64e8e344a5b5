#pragma once
#include <functional>
#include <memory>
#include <string>

// Drives a modal dialog of the program from outside: a background script
// waits for a visible window with the given title, gives it the focus and
// runs the given shell lines (xdotool commands such as "xdotool key Escape"),
// while the test runs the dialog. A dialog still open some seconds after the
// script ended (its keys were lost) is closed, and the test fails.
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

    // Lets the script's line "await <name>" wait (at most ten seconds; the
    // script fails otherwise) until `condition` holds in the test: for keys
    // that must not overtake what earlier keys started (a button pressed
    // through its mnemonic acts only after a moment).
    void When(const std::string& name, std::function<bool()> condition);

    // Script lines for a file chooser: wait until it has `path` chosen, at
    // most ten seconds, pressing `keys` (xdotool key arguments) every half
    // second meanwhile when given; the script fails otherwise.
    static std::string AwaitChosen(const std::string& path, const std::string& keys = "");
    // Script lines that type `path` into a file chooser's location field and
    // press Return once the chooser has taken all of it: again after a
    // while, as the chooser drops one that comes while it still checks the
    // typed name. The script's line "accept" does the same after other keys.
    static std::string ChooseFile(const std::string& path);

private:
    class Watch;
    void WaitForScript();

    std::string donePath_;
    std::string dir_;
    std::unique_ptr<Watch> watch_;
};
