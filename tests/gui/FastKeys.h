#pragma once
#include <string>

class wxDialog;
class wxTopLevelWindow;
class wxWindow;

// Real key presses for keys typed ahead of the program.

// Sends keys (Xvfb's keycodes, as for "xdotool key") with no pause between
// them; the program reads them only afterwards, all at once.
void TypeFast(const std::string& keycodes);
// Gives a shown window the keyboard, as a window manager would, and waits
// until the program has it with the focus on `control`.
void FocusOn(wxTopLevelWindow& window, wxWindow* control);
// Runs a modal dialog, cancelling it when it is still open after a while.
int ShowModalUntil(wxDialog& dialog);
