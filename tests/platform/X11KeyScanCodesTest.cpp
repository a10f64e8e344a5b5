#include <gtest/gtest.h>

#include "platform/X11KeyScanCodes.h"

namespace {

using namespace scan_code;

TEST(X11KeyScanCodes, NavigationBlockAndKeypadShareScanCodes)
{
    const CX11KeyScanCodes codes;
    struct Pair {
        unsigned navigation, keypad;
        int scanCode;
    };
    // Xvfb's evdev keycodes: Home..Delete and their keypad twins.
    const Pair pairs[] = {{110, 79, kHome}, {111, 80, kUp},    {112, 81, kPageUp}, {113, 83, kLeft},
                          {114, 85, kRight}, {115, 87, kEnd},  {116, 88, kDown},   {117, 89, kPageDown},
                          {118, 90, kInsert}, {119, 91, kDelete}};
    for (const Pair& p : pairs) {
        EXPECT_EQ(p.scanCode, codes.Translate(p.navigation, 0).scanCode) << p.navigation;
        EXPECT_EQ(p.scanCode, codes.Translate(p.keypad, 0).scanCode) << p.keypad;
    }
    EXPECT_EQ(kCtrl, codes.Translate(37, 0xffe3).scanCode);
    EXPECT_EQ(kCtrl, codes.Translate(105, 0xffe4).scanCode);
    EXPECT_EQ(kLeftShift, codes.Translate(50, 0xffe1).scanCode);
    EXPECT_EQ(kRightShift, codes.Translate(62, 0xffe2).scanCode);
    EXPECT_EQ(0x4C, codes.Translate(84, 0xff9d).scanCode);  // keypad 5: nothing to the editor
    EXPECT_EQ(0x1E, codes.Translate(38, 'a').scanCode);     // the letter A key
    EXPECT_EQ(kNone, codes.Translate(133, 0xffeb).scanCode); // Super: no PC code
}

TEST(X11KeyScanCodes, KeypadDigitsTypeOnlyWithNumLock)
{
    const CX11KeyScanCodes codes;
    const KeyScan withNumLock = codes.Translate(80, 0xffb8);  // KP_8
    EXPECT_EQ(kUp, withNumLock.scanCode);
    EXPECT_TRUE(withNumLock.keypadTypes);
    EXPECT_FALSE(codes.Translate(80, 0xff97).keypadTypes);   // KP_Up
    EXPECT_TRUE(codes.Translate(91, 0xffae).keypadTypes);    // KP_Decimal
    EXPECT_FALSE(codes.Translate(111, 0xff52).keypadTypes);  // the arrow key
}

TEST(X11KeyScanCodes, EventsWithoutAKeycodeArePlacedByKeysym)
{
    const CX11KeyScanCodes codes;
    EXPECT_EQ(kPageDown, codes.Translate(0, 0xff56).scanCode);
    EXPECT_EQ(kDelete, codes.Translate(0, 0xffff).scanCode);
    EXPECT_EQ(kHome, codes.Translate(0, 0xff95).scanCode);
    EXPECT_EQ(kNone, codes.Translate(0, 'a').scanCode);
}

}  // namespace
