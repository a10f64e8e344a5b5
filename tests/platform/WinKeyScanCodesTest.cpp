#include <gtest/gtest.h>

#include "platform/WinKeyScanCodes.h"

namespace {

using namespace scan_code;

// The flags of a key message: the scan code in bits 16 to 23, the
// extended-key bit 24.
unsigned Flags(unsigned scanCode, bool extended = false) { return (scanCode << 16) | (extended ? 1u << 24 : 0) | 1; }

TEST(WinKeyScanCodes, NavigationBlockAndKeypadShareScanCodesAndOnlyTheKeypadTypes)
{
    const CWinKeyScanCodes codes;
    // Home..Delete: the keypad key, and its extended twin of the navigation block.
    const int keys[] = {kHome, kUp, kPageUp, kLeft, kRight, kEnd, kDown, kPageDown, kInsert, kDelete};
    for (const int key : keys) {
        EXPECT_EQ(key, codes.Translate(Flags(key), 0).scanCode);
        EXPECT_EQ(key, codes.Translate(Flags(key, true), 0).scanCode);
    }
    EXPECT_EQ(kCtrl, codes.Translate(Flags(0x1D, true), 0x11).scanCode);  // right Ctrl
    EXPECT_EQ(kRightShift, codes.Translate(Flags(0x36), 0x10).scanCode);
    EXPECT_EQ(0x4C, codes.Translate(Flags(0x4C), 0x0C).scanCode);  // keypad 5: nothing to the editor

    const KeyScan keypad8 = codes.Translate(Flags(0x48), 0x68);  // VK_NUMPAD8, NumLock on
    EXPECT_EQ(kUp, keypad8.scanCode);
    EXPECT_TRUE(keypad8.keypadTypes);
    EXPECT_TRUE(codes.Translate(Flags(0x53), 0x6E).keypadTypes);          // VK_DECIMAL
    EXPECT_FALSE(codes.Translate(Flags(0x48), 0x26).keypadTypes);         // VK_UP, NumLock off
    EXPECT_FALSE(codes.Translate(Flags(0x48, true), 0x68).keypadTypes);   // never the arrow key
}

TEST(WinKeyScanCodes, KeysWithoutAScanCodeArePlacedByTheirVirtualKey)
{
    const CWinKeyScanCodes codes;
    EXPECT_EQ(kPageDown, codes.Translate(1, 0x22).scanCode);
    EXPECT_EQ(kDelete, codes.Translate(1, 0x2E).scanCode);
    EXPECT_EQ(kCtrl, codes.Translate(1, 0xA3).scanCode);
    EXPECT_EQ(kNone, codes.Translate(1, 'A').scanCode);
}

}  // namespace
