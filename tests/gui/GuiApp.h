#pragma once
#include <functional>
#include <string>
#include <vector>

class CAppApp;
class wxFrame;
class wxWindow;

// The program, started once inside the GUI test process, with its settings
// store in a temporary file.
namespace GuiApp {

CAppApp& App();
wxFrame* MainFrame();
// Runs pending events until `done` answers true or the time runs out.
bool RunUntil(const std::function<bool()>& done, int timeoutMs = 5000);
// Runs events for a while; 0 runs what is pending once.
void ProcessEvents(int forMs = 50);
const std::string& RegistryPath();
// Whether keys from the X server now reach `window`: it has the toolkit's
// focus and its top-level window the display's.
bool HasKeyboardFocus(wxWindow* window);
// Gives `window`'s top-level window the display's focus, as a window
// manager does with a window shown or clicked: Xvfb has none, and the
// toolkit's own request is refused when it comes too soon or carries an
// older time than the last change of focus.
bool Activate(wxWindow* window);
// Runs `xdotool <command>` (keys, typing, mouse) against the display, then
// handles events until the program has handled all of that input: a Pause
// key follows it, which only the tests see, and its arrival is awaited (at
// most five seconds). False when xdotool failed or the Pause never came
// (none of the program's windows had the keyboard focus).
bool SendInput(const std::string& xdotoolCommand);

// What `observe` gives once it equals `expected`, or its last answer when
// the time runs out: for checks on what the toolkit does in its own time.
template <class T, class Observe>
auto Awaited(const T& expected, Observe observe, int timeoutMs = 5000) -> decltype(observe())
{
    auto value = observe();
    RunUntil([&] { return (value = observe()) == expected; }, timeoutMs);
    return value;
}

}  // namespace GuiApp

// Checks that hold once the events in flight (keys sent through the X
// server, window sizes, repaints) have been handled, waiting at most five
// seconds for them.
#define EXPECT_SOON(condition) EXPECT_TRUE(GuiApp::RunUntil([&] { return bool(condition); })) << #condition
#define ASSERT_SOON(condition) ASSERT_TRUE(GuiApp::RunUntil([&] { return bool(condition); })) << #condition
#define EXPECT_SOON_EQ(expected, actual) EXPECT_EQ(expected, GuiApp::Awaited(expected, [&] { return actual; }))
