#pragma once
#include "platform/KeyScanCodes.h"

// X11 with the evdev keymap (Xorg, Xvfb, XWayland): a hardware keycode is the
// Linux input event code plus 8. Input codes 1 to 88 are the PC set-1 scan
// codes themselves; the navigation block and the right Ctrl sit higher and
// are mapped onto the codes of their keypad twins and of the left Ctrl.
// Synthetic events without a hardware keycode are placed by their keysym.
class CX11KeyScanCodes : public IKeyScanCodes {
public:
    KeyScan Translate(unsigned hardwareCode, unsigned keysym) const override;
};
