#pragma once
#include <chrono>

class CAppViewBase;
class CEditDataWnd;
class wxFrame;

// What the benchmarks that paint the data pane share: the toolkit started
// without an application of its own, and a frame that shows one pane.

using BenchClock = std::chrono::steady_clock;
double Ms(BenchClock::duration d);

// Starts the toolkit; false, after saying so as `name` on stderr, when
// there is no display.
bool StartToolkit(char** argv, const char* name);

// A shown frame titled `name` holding a data pane of width x height pixels
// for `view`, with the view's fonts measured and the view laid out for the
// pane. The frame goes with StopToolkit.
CEditDataWnd* ShowDataPane(CAppViewBase& view, const char* name, int width, int height);

// The median of `paints` full repaints of the pane on screen (invalidate,
// then paint at once), after one that warms the glyphs and caches up.
double MedianPaintMs(CEditDataWnd& pane, int paints);

// Destroys the pane's frame and ends the toolkit.
void StopToolkit(CEditDataWnd* pane);
