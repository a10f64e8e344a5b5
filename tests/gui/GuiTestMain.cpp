#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <dlfcn.h>
#include <string>
#include <unistd.h>
#include <wx/app.h>
#include <wx/frame.h>
#include <wx/evtloop.h>
#include <wx/eventfilter.h>
#include <wx/init.h>
#include <wx/toplevel.h>

#include "app/wx/AppApp.h"
#include "gui/GuiApp.h"
#include "support/TempDir.h"

namespace {

TempDir* registryDir = nullptr;
std::string registryPath;

// Takes the Pause key away from the program and counts its releases: the
// mark that follows the input the tests send.
class InputMark : public wxEventFilter {
public:
    int FilterEvent(wxEvent& event) override
    {
        const wxEventType type = event.GetEventType();
        if (type != wxEVT_KEY_DOWN && type != wxEVT_KEY_UP && type != wxEVT_CHAR && type != wxEVT_CHAR_HOOK)
            return Event_Skip;
        if (static_cast<wxKeyEvent&>(event).GetKeyCode() != WXK_PAUSE) return Event_Skip;
        if (type == wxEVT_KEY_UP) ++seen;
        return Event_Processed;
    }
    int seen = 0;
};
InputMark inputMark;

// Starts the application object the way the program's entry does, minus
// the main loop, which the tests drive themselves.
class AppEnvironment : public ::testing::Environment {
public:
    AppEnvironment(int argc, char** argv) : argc_(argc), argv_(argv) {}

    void SetUp() override
    {
        registryDir = new TempDir;
        registryPath = registryDir->File("registry.reg");
        ::setenv("TABULON_REGISTRY", registryPath.c_str(), 1);
        wxApp::SetInstance(new CAppApp);
        ASSERT_TRUE(wxEntryStart(argc_, argv_));
        ASSERT_TRUE(wxTheApp->CallOnInit());
        wxEvtHandler::AddFilter(&inputMark);
        // The main window on the screen, as the X server sees it.
        const std::string visible =
            "xdotool search --onlyvisible --pid " + std::to_string(::getpid()) + " >/dev/null";
        ASSERT_TRUE(GuiApp::RunUntil([&] { return std::system(visible.c_str()) == 0; }, 20000));
    }

    void TearDown() override
    {
        wxEvtHandler::RemoveFilter(&inputMark);
        if (wxWindow* top = wxTheApp->GetTopWindow()) top->Destroy();
        GuiApp::RunUntil([] { return wxTopLevelWindows.empty(); });
        wxTheApp->OnExit();
        wxEntryCleanup();
        delete registryDir;
    }

private:
    int argc_;
    char** argv_;
};

// The X window of a top-level window. GTK is loaded with the toolkit, so
// its functions are found without building against its headers.
unsigned long XWindowOf(wxWindow* top)
{
    using GetWindow = void* (*)(void*);
    using GetXid = unsigned long (*)(void*);
    static const auto getWindow = reinterpret_cast<GetWindow>(::dlsym(RTLD_DEFAULT, "gtk_widget_get_window"));
    static const auto getXid = reinterpret_cast<GetXid>(::dlsym(RTLD_DEFAULT, "gdk_x11_window_get_xid"));
    void* window = getWindow && top->GetHandle() ? getWindow(top->GetHandle()) : nullptr;
    return window && getXid ? getXid(window) : 0;
}

}  // namespace

namespace GuiApp {

CAppApp& App() { return *static_cast<CAppApp*>(wxTheApp); }

wxFrame* MainFrame() { return dynamic_cast<wxFrame*>(wxTheApp->GetTopWindow()); }

void ProcessEvents(int forMs)
{
    auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(forMs);
    do {
        wxTheApp->Yield(true);
        wxTheApp->ProcessIdle();
    } while (std::chrono::steady_clock::now() < end);
}

bool RunUntil(const std::function<bool()>& done, int timeoutMs)
{
    auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (!done()) {
        if (std::chrono::steady_clock::now() > end) return false;
        ProcessEvents(10);
    }
    return true;
}

const std::string& RegistryPath() { return registryPath; }

bool HasKeyboardFocus(wxWindow* window)
{
    auto* top = dynamic_cast<wxTopLevelWindow*>(wxGetTopLevelParent(window));
    return top && top->IsActive() && window->HasFocus();
}

bool Activate(wxWindow* window)
{
    auto* top = dynamic_cast<wxTopLevelWindow*>(wxGetTopLevelParent(window));
    for (int attempt = 0; top && attempt < 5 && !top->IsActive(); ++attempt) {
        if (const unsigned long xid = XWindowOf(top))
            std::system(("xdotool windowfocus " + std::to_string(xid) + " 2>/dev/null").c_str());
        RunUntil([top] { return top->IsActive(); }, 1000);
    }
    return top && top->IsActive();
}

bool SendInput(const std::string& xdotoolCommand)
{
    const int before = inputMark.seen;
    // Keycode 127 is Pause in Xvfb's keymap.
    if (std::system(("xdotool " + xdotoolCommand + " && xdotool key 127").c_str()) != 0) return false;
    if (!RunUntil([before] { return inputMark.seen > before; })) return false;
    ProcessEvents(0);  // and what the keys left for idle time
    return true;
}

}  // namespace GuiApp

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::AddGlobalTestEnvironment(new AppEnvironment(argc, argv));
    return RUN_ALL_TESTS();
}
