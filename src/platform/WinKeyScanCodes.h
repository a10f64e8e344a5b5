#pragma once
#include "platform/KeyScanCodes.h"

// Windows key messages: bits 16 to 23 of their flags (the lParam) hold the
// set-1 scan code, and bit 24 marks the extended keys. The navigation block
// and the right Ctrl are extended twins of the keypad keys and the left Ctrl
// with the same code, so the code alone places them. Injected key presses
// without a scan code are placed by their virtual-key code.
class CWinKeyScanCodes : public IKeyScanCodes {
public:
    // hardwareCode: the message's flags; symbol: its virtual-key code.
    KeyScan Translate(unsigned hardwareCode, unsigned virtualKey) const override;
};
