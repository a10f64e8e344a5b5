#pragma once
#include <functional>
#include <wx/event.h>

class wxSizer;
class wxSpinButton;
class wxSpinEvent;
class wxTextCtrl;
class wxWindow;

// An edit field with a spin button beside it. The spin keeps a position of
// its own, which steps by `step` within low..high; a typed value does not
// move it. Each accepted step calls `onStep` with the new position.
class CSpinField {
public:
    CSpinField(wxWindow* parent, int editId, int spinId, int low, int high, int step);

    wxTextCtrl* edit = nullptr;
    wxSpinButton* spin = nullptr;
    int position = 0;
    int low;
    int high;
    int step;
    // The spin starts each step from the number in the edit, when that is
    // a valid position (the buddy behaviour of the font size).
    bool followEdit = false;

    // Places the pair in a sizer.
    void AddTo(wxSizer* sizer);
    // Sets the spin's own position.
    void SetPosition(int newPosition);
    // One step up (+1) or down (-1); false when it is refused.
    bool Step(int direction);

    std::function<void(int)> onStep;

private:
    void OnSpin(wxSpinEvent& event, int direction);
};
