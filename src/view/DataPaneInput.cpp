#include "view/DataPaneInput.h"

#include "resources/MainFrameResources.h"
#include "view/AppViewBase.h"

namespace {

int ScanCodeOf(AccelKey key)
{
    switch (key) {
    case AccelKey::Delete: return scan_code::kDelete;
    case AccelKey::Insert: return scan_code::kInsert;
    case AccelKey::Back: return 0x0E;
    case AccelKey::F1: return 0x3B;
    case AccelKey::F6: return 0x40;
    default: return scan_code::kNone;  // letters come as characters
    }
}

// Whether the key is one of the main frame's accelerators, which the frame
// turns into its command before the pane would see it.
bool IsFrameAccelerator(int scanCode, KeyModifiers held)
{
    const int modifiers = (held.ctrl ? kAccelCtrl : 0) | (held.shift ? kAccelShift : 0) |
                          (held.alt ? kAccelAlt : 0);
    for (const AcceleratorResource& accel : MainAcceleratorResource())
        if (accel.modifiers == modifiers && ScanCodeOf(accel.key) == scanCode) return true;
    return false;
}

}  // namespace

bool* CDataPaneInput::ModifierFlag(int scanCode)
{
    if (scanCode == scan_code::kCtrl) return &ctrlDown;
    if (scanCode == scan_code::kLeftShift || scanCode == scan_code::kRightShift) return &shiftDown;
    return nullptr;
}

void CDataPaneInput::KeyDown(const KeyScan& key, KeyModifiers held)
{
    if (bool* flag = ModifierFlag(key.scanCode)) {
        *flag = true;
        return;
    }
    // A keypad key that types its digit or point only types: its scan code
    // is that of a navigation key, which must not move the caret as well.
    if (key.keypadTypes || key.scanCode == scan_code::kNone || held.alt) return;
    if (IsFrameAccelerator(key.scanCode, held)) return;
    view_.OnKey(ctrlDown, key.scanCode);
}

void CDataPaneInput::KeyUp(const KeyScan& key)
{
    if (bool* flag = ModifierFlag(key.scanCode)) *flag = false;
}

bool CDataPaneInput::Char(int code, const KeyScan& key, KeyModifiers held)
{
    // Backspace, Tab and Enter and the printable ASCII characters; with
    // Ctrl only Ctrl+I and Ctrl+M, which are Tab and Enter. Escape, Delete
    // (127), the other control codes, everything from 128 up and all keys
    // with Alt are not the pane's.
    const bool ours = held.alt    ? false
                      : held.ctrl ? code == 9 || code == 13
                                  : code == 8 || code == 9 || code == 13 || (code >= 32 && code <= 126);
    if (ours) {
        view_.OnChar(shiftDown, code);
        return false;
    }
    return held.ctrl || held.alt || IsFrameAccelerator(key.scanCode, held);
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
