#pragma once
#include <chrono>
#include <memory>

class CAppViewBase;
class CEditDataWnd;
class CLineWnd;
class CRulerWnd;
class IViewHost;
class wxFrame;
class wxWindow;

// What the benchmarks that paint the view's panes share: the toolkit started
// without an application of its own, and a frame that shows the panes.

using BenchClock = std::chrono::steady_clock;
double Ms(BenchClock::duration d);

// Starts the toolkit; false, after saying so as `name` on stderr, when
// there is no display.
bool StartToolkit(char** argv, const char* name);

// A shown frame titled `name` holding a data pane of width x height pixels
// for `view`, with the view's fonts measured and the view laid out for the
// pane. The frame goes with StopToolkit.
CEditDataWnd* ShowDataPane(CAppViewBase& view, const char* name, int width, int height);

// The three panes of a view laid out as the program lays them out (ruler
// above, line numbers left of a data pane of width x height pixels), and
// a host that repaints them when the view asks, as the program's view does.
struct BenchPanes {
    wxFrame* frame = nullptr;
    CEditDataWnd* data = nullptr;
    CLineWnd* line = nullptr;
    CRulerWnd* ruler = nullptr;
    std::unique_ptr<IViewHost> host;
    BenchPanes();
    ~BenchPanes();
};
// Shows them for `view` (which gets the host) in a frame of their own; the
// frame goes with the view's host in CloseViewPanes.
void ShowViewPanes(CAppViewBase& view, const char* name, int width, int height, BenchPanes& panes);
void CloseViewPanes(CAppViewBase& view, BenchPanes& panes);

// Waits until the display has drawn everything asked of it.
void WaitForDisplay();

// Paints what is invalid in `window` now and waits until the display has
// drawn it.
void PaintNow(wxWindow& window);

// The median of `paints` full repaints of the window on screen by the
// toolkit, as when it is uncovered (invalidate, then paint at once and wait
// for the display), after one that warms the glyphs and caches up.
double MedianPaintMs(wxWindow& pane, int paints);

// The median of `paints` repaints of the whole data pane by the pane
// itself (every cell drawn and all of it put on the screen, as after a jump
// through the file), waiting for the display each time.
double MedianRepaintMs(CEditDataWnd& pane, int paints);

// Destroys the pane's frame and ends the toolkit.
void StopToolkit(CEditDataWnd* pane);
// Ends the toolkit.
void StopToolkit();
