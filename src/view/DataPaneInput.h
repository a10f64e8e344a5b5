#pragma once
#include "platform/KeyScanCodes.h"

class CAppViewBase;

// The modifier keys held for an event, as the window system reports them.
struct KeyModifiers {
    bool ctrl = false;
    bool shift = false;
    bool alt = false;
};

// The data pane's keyboard and mouse state, and the rules that turn its
// events into calls of the view: the modifier flags kept by scan code, which
// characters count, and the drag from a button-down to its button-up. The
// window only translates the toolkit's events into these calls.
class CDataPaneInput {
public:
    explicit CDataPaneInput(CAppViewBase& view) : view_(view) {}

    // Keys with Alt, and the main frame's accelerator keys (Shift+Delete,
    // Ctrl+Insert, ...), are left to the frame.
    void KeyDown(const KeyScan& key, KeyModifiers held = {});
    void KeyUp(const KeyScan& key);
    // A typed character code from the key given. Answers whether it is left
    // to the frame's accelerators and menus: the pane does not use it, and
    // it comes with Ctrl or Alt or from an accelerator key (Ctrl+H, Ctrl+S,
    // Alt+Backspace, F1, ...). Other unused characters stop at the pane.
    [[nodiscard]] bool Char(int code, const KeyScan& key = {}, KeyModifiers held = {});

    // Button-down: the window captures the mouse.
    void LeftDown(int x, int y);
    void MouseMove(int x, int y);
    // True when a drag ended: the window releases the mouse and repaints.
    [[nodiscard]] bool LeftUp(int x, int y);
    void DoubleClick(int x, int y);
    // The capture went elsewhere: the drag is over.
    void CaptureLost() { dragging = false; }

    bool dragging = false;
    bool ctrlDown = false;
    bool shiftDown = false;

private:
    // The flag a modifier key sets, or null for other keys.
    [[nodiscard]] bool* ModifierFlag(int scanCode);

    CAppViewBase& view_;
};
