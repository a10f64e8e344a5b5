#pragma once
#include <string>

struct ScrollBarState;

// The panes of the view, for invalidation.
enum class ViewPane { Data, Line, Ruler, All };

// What the view needs from the screen and the main frame. The wx view
// implements it; tests record the calls.
class IViewHost {
public:
    virtual ~IViewHost() = default;

    // Marks a pane (or the whole view) for repainting.
    virtual void InvalidatePane(ViewPane pane) = 0;

    // The data pane's caret: shown at (x, y) in the pane's client area with
    // the given size, created first when it does not exist.
    virtual void PlaceCaret(int x, int y, int width, int height) = 0;
    // Hides and destroys the caret when it exists.
    virtual void HideCaretNow() = 0;

    virtual void SetVertScrollBar(const ScrollBarState& bar) = 0;
    virtual void SetHorzScrollBar(const ScrollBarState& bar) = 0;

    // The main frame's status bar: mode panes (hex, format, source, insert),
    // caret position panes (which also refresh the horizontal range and the
    // caret), and the message pane.
    virtual void UpdateModePanes() = 0;
    virtual void UpdateStatus() = 0;
    virtual void SetMessage(const std::string& text) = 0;
};

// A host that shows nothing: the view's stand-in until it has a screen, and
// the base of hosts that follow only some of the calls.
class NullViewHost : public IViewHost {
public:
    void InvalidatePane(ViewPane) override {}
    void PlaceCaret(int, int, int, int) override {}
    void HideCaretNow() override {}
    void SetVertScrollBar(const ScrollBarState&) override {}
    void SetHorzScrollBar(const ScrollBarState&) override {}
    void UpdateModePanes() override {}
    void UpdateStatus() override {}
    void SetMessage(const std::string&) override {}
};
