#include "platform/WinKeyScanCodes.h"

#include <iterator>

namespace {

constexpr unsigned kExtendedKey = 1u << 24;

struct KeyPair {
    unsigned virtualKey;
    int scanCode;
};

// Virtual keys, for key presses that carry no scan code.
constexpr KeyPair kVirtualKeys[] = {
    {0x10, scan_code::kLeftShift}, // VK_SHIFT
    {0xA0, scan_code::kLeftShift}, {0xA1, scan_code::kRightShift}, // VK_LSHIFT, VK_RSHIFT
    {0x11, scan_code::kCtrl},      {0xA2, scan_code::kCtrl},  {0xA3, scan_code::kCtrl},
    {0x24, scan_code::kHome},      {0x26, scan_code::kUp},    {0x21, scan_code::kPageUp},
    {0x25, scan_code::kLeft},      {0x27, scan_code::kRight}, {0x23, scan_code::kEnd},
    {0x28, scan_code::kDown},      {0x22, scan_code::kPageDown}, {0x2D, scan_code::kInsert},
    {0x2E, scan_code::kDelete},
    // With NumLock on the keypad reports digits; their keys are those of the
    // navigation twins.
    {0x67, scan_code::kHome},      {0x68, scan_code::kUp},    {0x69, scan_code::kPageUp},
    {0x64, scan_code::kLeft},      {0x66, scan_code::kRight}, {0x61, scan_code::kEnd},
    {0x62, scan_code::kDown},      {0x63, scan_code::kPageDown}, {0x60, scan_code::kInsert},
    {0x6E, scan_code::kDelete},
};

// VK_NUMPAD0 .. VK_NUMPAD9 and VK_DECIMAL: the keypad types its digit or
// point (NumLock on).
bool IsKeypadCharacter(unsigned virtualKey)
{
    return (virtualKey >= 0x60 && virtualKey <= 0x69) || virtualKey == 0x6E;
}

}  // namespace

KeyScan CWinKeyScanCodes::Translate(unsigned flags, unsigned virtualKey) const
{
    KeyScan key;
    // Only the keypad's own keys type; their extended twins never do.
    key.keypadTypes = IsKeypadCharacter(virtualKey) && !(flags & kExtendedKey);
    key.scanCode = static_cast<int>((flags >> 16) & 0xFF);
    if (key.scanCode == scan_code::kNone) {
        for (const KeyPair& pair : kVirtualKeys)
            if (pair.virtualKey == virtualKey) key.scanCode = pair.scanCode;
    }
    return key;
}
