#pragma once
#include "platform/KeyScanCodes.h"

class CAppViewBase;

// The data pane's keyboard and mouse state, and the rules that turn its
// events into calls of the view: the modifier flags kept by scan code, which
// characters count, and the drag from a button-down to its button-up. The
// window only translates the toolkit's events into these calls.
class CDataPaneInput {
public:
    explicit CDataPaneInput(CAppViewBase& view) : view_(view) {}

    // altHeld: the Alt key is down; such keys belong to the menus.
    void KeyDown(const KeyScan& key, bool altHeld = false);
    void KeyUp(const KeyScan& key);
    // A typed character code, with the Ctrl and Alt keys as they were for it.
    void Char(int code, bool ctrlHeld, bool altHeld = false);

    // Button-down: the window captures the mouse.
    void LeftDown(int x, int y);
    void MouseMove(int x, int y);
    // True when a drag ended: the window releases the mouse and repaints.
    bool LeftUp(int x, int y);
    void DoubleClick(int x, int y);
    // The capture went elsewhere: the drag is over.
    void CaptureLost() { dragging = false; }

    bool dragging = false;
    bool ctrlDown = false;
    bool shiftDown = false;

private:
    // The flag a modifier key sets, or null for other keys.
    bool* ModifierFlag(int scanCode);

    CAppViewBase& view_;
};
