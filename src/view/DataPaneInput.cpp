#include "view/DataPaneInput.h"

#include "view/AppViewBase.h"

bool* CDataPaneInput::ModifierFlag(int scanCode)
{
    if (scanCode == scan_code::kCtrl) return &ctrlDown;
    if (scanCode == scan_code::kLeftShift || scanCode == scan_code::kRightShift) return &shiftDown;
    return nullptr;
}

void CDataPaneInput::KeyDown(const KeyScan& key, bool altHeld)
{
    if (bool* flag = ModifierFlag(key.scanCode)) {
        *flag = true;
        return;
    }
    // A keypad key that types its digit or point only types: its scan code
    // is that of a navigation key, which must not move the caret as well.
    if (key.keypadTypes || key.scanCode == scan_code::kNone || altHeld) return;
    view_.OnKey(ctrlDown, key.scanCode);
}

void CDataPaneInput::KeyUp(const KeyScan& key)
{
    if (bool* flag = ModifierFlag(key.scanCode)) *flag = false;
}

void CDataPaneInput::Char(int code, bool ctrlHeld, bool altHeld)
{
    // Backspace, Tab and Enter (also as Ctrl+H, Ctrl+I, Ctrl+M) and the
    // printable ASCII characters; Escape, Delete (127), the other control
    // codes and everything from 128 up are ignored. Ctrl with a printable
    // key types nothing, and Alt with any key belongs to the menus.
    if (altHeld) return;
    const bool control = code == 8 || code == 9 || code == 13;
    const bool printable = code >= 32 && code <= 126 && !ctrlHeld;
    if (control || printable) view_.OnChar(shiftDown, code);
}

void CDataPaneInput::LeftDown(int x, int y)
{
    // A key-up that went to another window left a flag set; start afresh.
    ctrlDown = shiftDown = false;
    dragging = true;
    view_.OnMouseDown(x, y);
}

void CDataPaneInput::MouseMove(int x, int y)
{
    if (dragging) view_.OnMouseDrag(x, y);
}

bool CDataPaneInput::LeftUp(int x, int y)
{
    if (!dragging) return false;
    view_.OnMouseUp(x, y);
    dragging = false;
    return true;
}

void CDataPaneInput::DoubleClick(int x, int y)
{
    // The double click ends the first click's drag, so the button-up that
    // follows cannot move the selection it makes.
    dragging = false;
    view_.OnDoubleClick(x, y);
}
