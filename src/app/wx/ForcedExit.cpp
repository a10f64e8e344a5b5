#include "app/wx/ForcedExit.h"

#include <cstdlib>
#include <wx/app.h>
#include <wx/evtloop.h>
#if wxUSE_EVENTLOOP_SOURCE
#include <wx/evtloopsrc.h>
#endif
#include <wx/timer.h>

#ifdef __WXGTK__
#include <dlfcn.h>
#endif

#include "app/Globals.h"
#include "app/wx/AppApp.h"
#include "app/wx/AppDoc.h"
#include "platform/ExitSignals.h"
#include "platform/Platform.h"

namespace {

// The document's copy and the settings, with nothing shown and nothing
// waited for: the display may be gone and no user may be there to answer.
void WriteCopyAndSettings()
{
    IRegistry* registry = Platform().registry;
    ResetPlatformServices();
    Platform().registry = registry;
    if (theDoc) theDoc->WriteCopyForExit();
    TheApp().ExitInstance();
}

#ifdef __WXGTK__
// The X library's I/O-error handler type, with the display left opaque: the
// library comes with the toolkit, and looking the call up keeps its headers
// out of the build and a display without X working.
using DisplayLostHandler = int (*)(void*);
using SetDisplayLostHandler = DisplayLostHandler (*)(DisplayLostHandler);
DisplayLostHandler toolkitHandler = nullptr;

int OnDisplayLost(void* display)
{
    static bool handled = false;
    if (!handled) {
        handled = true;
        WriteCopyAndSettings();
    }
    // The toolkit's handler reports the loss and ends the program.
    if (toolkitHandler) return toolkitHandler(display);
    std::_Exit(1);
}

// The toolkit installs its own handler when it opens the display; ours goes
// in front of it and hands on to it.
void WatchDisplay()
{
    const auto install = reinterpret_cast<SetDisplayLostHandler>(::dlsym(RTLD_DEFAULT, "XSetIOErrorHandler"));
    if (install) toolkitHandler = install(OnDisplayLost);
}
#endif

}  // namespace

#if wxUSE_EVENTLOOP_SOURCE
// The read end of the signal pipe, watched in every event loop, and a timer
// that retries while the document is busy.
class CForcedExit::SignalWatch : public wxEventLoopSourceHandler, public wxTimer {
public:
    explicit SignalWatch(int pipe) : pipe_(pipe)
    {
        source_ = wxEventLoopBase::AddSourceForFD(pipe_, this, wxEVENT_SOURCE_INPUT);
    }
    ~SignalWatch() override { delete source_; }

    void OnReadWaiting() override
    {
        if (const int signal = TakeExitSignal(pipe_)) {
            if (!signal_) signal_ = signal;
            TryToEnd();
        }
    }
    void OnWriteWaiting() override {}
    void OnExceptionWaiting() override {}
    void Notify() override { TryToEnd(); }

private:
    void TryToEnd()
    {
        if (theDoc && theDoc->Busy()) {
            if (!IsRunning()) Start(100);
            return;
        }
        WriteCopyAndSettings();
        EndAsSignalled(signal_);
    }

    int pipe_;
    int signal_ = 0;
    wxEventLoopSource* source_ = nullptr;
};
#else
// Where the toolkit cannot watch a descriptor, the system has no such
// signals either (CatchExitSignals answers -1).
class CForcedExit::SignalWatch {
public:
    explicit SignalWatch(int) {}
};
#endif

CForcedExit::CForcedExit() = default;
CForcedExit::~CForcedExit() = default;

void CForcedExit::Install([[maybe_unused]] wxApp& app)
{
    const int pipe = CatchExitSignals();
    if (pipe >= 0) signals_ = std::make_unique<SignalWatch>(pipe);
#ifdef __WXGTK__
    WatchDisplay();
#endif
#ifdef __WXMSW__
    // Asked first: a copy now, as an autosave would, in case the session
    // ends; it may still go on. The end itself cannot be refused.
    app.Bind(wxEVT_QUERY_END_SESSION, [](wxCloseEvent&) {
        if (theDoc && !theDoc->Busy()) theDoc->AutoSave();
    });
    app.Bind(wxEVT_END_SESSION, [](wxCloseEvent&) {
        WriteCopyAndSettings();
        EndAsSignalled(0);
    });
#endif
}
