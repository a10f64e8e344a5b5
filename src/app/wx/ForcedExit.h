#pragma once
#include <memory>

class wxApp;
class wxEventLoopSource;

// Ends the program when its session or its display goes away: on SIGTERM,
// SIGHUP or SIGINT (logout, shutdown, a closed terminal), on the loss of the
// X display, and at the end of a Windows session. A modified document gets
// its autosave copy first, whatever the autoSave setting, and the copy
// stays; there is no "Save changes" question. The settings are written as
// at a normal exit.
//
// A signal is acted on from the main loop (also while a modal dialog runs
// one of its own), but never in the middle of a load or a save: it waits
// until the document is no longer busy. The display loss cannot wait: the
// copy is written from the X library's I/O-error handler, which runs before
// the toolkit's own (that one ends the program). A Wayland display has no
// such hook.
class CForcedExit {
public:
    CForcedExit();
    ~CForcedExit();
    CForcedExit(const CForcedExit&) = delete;
    CForcedExit& operator=(const CForcedExit&) = delete;

    // Starts watching. Call once the toolkit has opened its display.
    void Install(wxApp& app);

private:
    class SignalWatch;
    std::unique_ptr<SignalWatch> signals_;
};
