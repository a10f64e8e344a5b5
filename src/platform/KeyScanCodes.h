#pragma once

// Keys are told apart by their PC keyboard scan code (set 1), so that the
// navigation block and the keypad act alike whatever the key's meaning in the
// current layout. These are the codes the editor looks at.
namespace scan_code {

inline constexpr int kNone = 0;
inline constexpr int kCtrl = 0x1D;  // left or right
inline constexpr int kLeftShift = 0x2A;
inline constexpr int kRightShift = 0x36;
inline constexpr int kHome = 0x47;
inline constexpr int kUp = 0x48;
inline constexpr int kPageUp = 0x49;
inline constexpr int kLeft = 0x4B;
inline constexpr int kRight = 0x4D;
inline constexpr int kEnd = 0x4F;
inline constexpr int kDown = 0x50;
inline constexpr int kPageDown = 0x51;
inline constexpr int kInsert = 0x52;
inline constexpr int kDelete = 0x53;

}  // namespace scan_code

// A key press as the editor sees it.
struct KeyScan {
    // PC scan code of the physical key; scan_code::kNone when it has none.
    int scanCode = scan_code::kNone;
    // A keypad key that types a character (its digit or point, NumLock on):
    // it goes to the character path only and moves nothing.
    bool keypadTypes = false;
};

// Turns the window system's key report into the PC scan code.
class IKeyScanCodes {
public:
    virtual ~IKeyScanCodes() = default;
    // hardwareCode: the system's code of the physical key; symbol: what the
    // key means in the current layout and modifier state.
    virtual KeyScan Translate(unsigned hardwareCode, unsigned symbol) const = 0;
};

// The translation for the window system the program runs on.
const IKeyScanCodes& KeyScanCodes();
