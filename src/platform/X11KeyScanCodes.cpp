#include "platform/X11KeyScanCodes.h"

#include <iterator>

namespace {

constexpr unsigned kEvdevOffset = 8;
// Input codes up to F12 coincide with the set-1 scan codes.
constexpr unsigned kLastPlainInputCode = 88;

struct CodePair {
    unsigned from;
    int scanCode;
};

// Linux input codes above the plain range that the editor cares about.
constexpr CodePair kInputCodes[] = {
    {97, scan_code::kCtrl},      // KEY_RIGHTCTRL
    {102, scan_code::kHome},     // KEY_HOME
    {103, scan_code::kUp},       // KEY_UP
    {104, scan_code::kPageUp},   // KEY_PAGEUP
    {105, scan_code::kLeft},     // KEY_LEFT
    {106, scan_code::kRight},    // KEY_RIGHT
    {107, scan_code::kEnd},      // KEY_END
    {108, scan_code::kDown},     // KEY_DOWN
    {109, scan_code::kPageDown}, // KEY_PAGEDOWN
    {110, scan_code::kInsert},   // KEY_INSERT
    {111, scan_code::kDelete},   // KEY_DELETE
};

// Keysyms, for events that carry no hardware keycode.
constexpr CodePair kKeysyms[] = {
    {0xff50, scan_code::kHome},   {0xff51, scan_code::kLeft},     {0xff52, scan_code::kUp},
    {0xff53, scan_code::kRight},  {0xff54, scan_code::kDown},     {0xff55, scan_code::kPageUp},
    {0xff56, scan_code::kPageDown}, {0xff57, scan_code::kEnd},    {0xff63, scan_code::kInsert},
    {0xffff, scan_code::kDelete}, {0xff95, scan_code::kHome},     {0xff96, scan_code::kLeft},
    {0xff97, scan_code::kUp},     {0xff98, scan_code::kRight},    {0xff99, scan_code::kDown},
    {0xff9a, scan_code::kPageUp}, {0xff9b, scan_code::kPageDown}, {0xff9c, scan_code::kEnd},
    {0xff9e, scan_code::kInsert}, {0xff9f, scan_code::kDelete},   {0xffe1, scan_code::kLeftShift},
    {0xffe2, scan_code::kRightShift}, {0xffe3, scan_code::kCtrl}, {0xffe4, scan_code::kCtrl},
    // With NumLock on the keypad reports digits; their keys are those of the
    // navigation twins.
    {0xffb7, scan_code::kHome},   {0xffb8, scan_code::kUp},       {0xffb9, scan_code::kPageUp},
    {0xffb4, scan_code::kLeft},   {0xffb6, scan_code::kRight},    {0xffb1, scan_code::kEnd},
    {0xffb2, scan_code::kDown},   {0xffb3, scan_code::kPageDown}, {0xffb0, scan_code::kInsert},
    {0xffae, scan_code::kDelete},
};

int Lookup(const CodePair* begin, const CodePair* end, unsigned from)
{
    for (const CodePair* p = begin; p != end; ++p)
        if (p->from == from) return p->scanCode;
    return scan_code::kNone;
}

// XK_KP_0 .. XK_KP_9, XK_KP_Decimal and XK_KP_Separator: the keypad types.
bool IsKeypadCharacter(unsigned keysym)
{
    return (keysym >= 0xffb0 && keysym <= 0xffb9) || keysym == 0xffae || keysym == 0xffac;
}

}  // namespace

KeyScan CX11KeyScanCodes::Translate(unsigned hardwareCode, unsigned keysym) const
{
    KeyScan key;
    key.keypadTypes = IsKeypadCharacter(keysym);
    if (hardwareCode > kEvdevOffset) {
        const unsigned input = hardwareCode - kEvdevOffset;
        key.scanCode = input <= kLastPlainInputCode
                           ? static_cast<int>(input)
                           : Lookup(std::begin(kInputCodes), std::end(kInputCodes), input);
    } else {
        key.scanCode = Lookup(std::begin(kKeysyms), std::end(kKeysyms), keysym);
    }
    return key;
}
