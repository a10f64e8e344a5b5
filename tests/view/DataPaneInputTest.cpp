#include <gtest/gtest.h>

#include <tuple>

#include "view/DataPaneInput.h"
#include "view/EditTestSupport.h"

namespace {

using namespace scan_code;

KeyScan Key(int scanCode, bool keypadTypes = false) { return KeyScan{scanCode, keypadTypes}; }

TEST(DataPaneInput, ModifiersAreTrackedAndNotPassedOn)
{
    EditScene s({"abc", "def"});
    CDataPaneInput input(s.View());
    s.PutCaret(1, 0, 0);
    input.KeyDown(Key(kCtrl));
    EXPECT_TRUE(input.ctrlDown);
    input.KeyDown(Key(kPageUp));  // Ctrl+Page Up: the start of the document
    EXPECT_EQ(0, s.View().caretRecord);
    input.KeyUp(Key(kCtrl));
    EXPECT_FALSE(input.ctrlDown);
    input.KeyDown(Key(kRightShift));
    EXPECT_TRUE(input.shiftDown);
    input.KeyUp(Key(kLeftShift));
    EXPECT_FALSE(input.shiftDown);
    EXPECT_EQ(1, s.Host().statusUpdates);  // only the Page Up reached the view

    input.KeyDown(Key(kCtrl));
    input.KeyDown(Key(kLeftShift));
    input.LeftDown(2, 4);  // a click repairs flags whose key-up went elsewhere
    EXPECT_FALSE(input.ctrlDown);
    EXPECT_FALSE(input.shiftDown);
}

TEST(DataPaneInput, KeypadDigitWithNumLockOnlyTypes)
{
    EditScene s({"abc", "def"});
    CDataPaneInput input(s.View());
    s.PutCaret(1, 0, 1);
    input.KeyDown(Key(kUp, true));  // keypad 8, NumLock on
    std::ignore = input.Char('8');
    EXPECT_EQ((std::vector<std::string>{"abc", "d8ef"}), s.Texts());
    EXPECT_EQ(1, s.View().caretRecord);

    input.KeyDown(Key(kUp));  // NumLock off: it is Up
    EXPECT_EQ(0, s.View().caretRecord);
}

TEST(DataPaneInput, OnlyBackspaceTabEnterAndPrintableCharactersType)
{
    EditScene s({"ab"});
    CDataPaneInput input(s.View());
    s.PutCaret(0, 0, 2);
    for (int code : {27, 127, 128, 200, 255, 1, 3, 0, 315})  // Escape, Delete, high, ...
        EXPECT_FALSE(input.Char(code));                       // stop at the pane
    const KeyModifiers ctrl{true, false, false};
    EXPECT_TRUE(input.Char('x', {}, ctrl));  // Ctrl with a printable key: the frame's
    EXPECT_TRUE(input.Char(8, {}, ctrl));    // Ctrl+H: the hex view's accelerator
    EXPECT_TRUE(input.Char(0, Key(0x3B)));   // F1: help
    EXPECT_EQ("ab", s.Text(0));
    EXPECT_EQ(0, s.document.modified);

    EXPECT_FALSE(input.Char(9, {}, ctrl));  // Ctrl+I is Tab
    std::ignore = input.Char('~');
    EXPECT_FALSE(input.Char(13, {}, ctrl));  // Ctrl+M is Enter
    EXPECT_EQ((std::vector<std::string>{"ab\t~", ""}), s.Texts());
    std::ignore = input.Char(8);
    EXPECT_EQ((std::vector<std::string>{"ab\t~"}), s.Texts());

    const KeyModifiers alt{false, false, true};
    EXPECT_TRUE(input.Char('q', {}, alt));  // Alt+Q and Alt+Backspace: the menus'
    EXPECT_TRUE(input.Char(8, {}, alt));
    input.KeyDown(Key(kHome), alt);
    EXPECT_EQ((std::vector<std::string>{"ab\t~"}), s.Texts());
    EXPECT_EQ(4, s.View().caretByte);
}

TEST(DataPaneInput, TheFramesAcceleratorKeysAreLeftToTheFrame)
{
    EditScene s({"abcd"});
    CDataPaneInput input(s.View());
    s.PutCaret(0, 0, 1);
    input.KeyDown(Key(kLeftShift));
    input.KeyDown(Key(kDelete), {false, true, false});  // Shift+Delete: Cut
    input.KeyDown(Key(kInsert), {false, true, false});  // Shift+Insert: Paste
    input.KeyUp(Key(kLeftShift));
    input.KeyDown(Key(kCtrl));
    input.KeyDown(Key(kInsert), {true, false, false});  // Ctrl+Insert: Copy
    input.KeyDown(Key(kDelete), {true, false, false});  // Ctrl+Delete is no accelerator
    EXPECT_EQ("acd", s.Text(0));
    EXPECT_TRUE(s.View().insertMode);
}

TEST(DataPaneInput, NothingHappensWithoutADocument)
{
    CRecordList* saved = theRecordList;
    theRecordList = nullptr;
    {
        TestView t;
        CDataPaneInput input(t.view);
        for (int code : {kDown, kUp, kPageDown, kRight, kLeft, kDelete, kEnd}) input.KeyDown(Key(code));
        std::ignore = input.Char('a');
        std::ignore = input.Char(8);
        std::ignore = input.Char(13);
        input.LeftDown(30, 40);
        input.MouseMove(-30, -40);
        std::ignore = input.LeftUp(30, 40);
        input.DoubleClick(3, 4);
        EXPECT_EQ(0, t.view.caretRow);
        EXPECT_EQ(nullptr, t.view.caretNode);
    }
    theRecordList = saved;
}


TEST(DataPaneInput, DragRunsFromButtonDownToButtonUp)
{
    EditScene s(NumberedRecords(5));
    CDataPaneInput input(s.View());
    input.MouseMove(20, 40);  // no button: nothing
    EXPECT_EQ(0, s.View().caretRecord);
    EXPECT_FALSE(input.LeftUp(20, 40));

    input.LeftDown(2, 4);
    EXPECT_TRUE(input.dragging);
    input.MouseMove(2 + 8 * 3, 4 + 17 * 2);
    EXPECT_TRUE(input.LeftUp(2 + 8 * 3, 4 + 17 * 2));
    EXPECT_FALSE(input.dragging);
    EXPECT_EQ(2, s.View().selEndRecord);
    EXPECT_EQ(3, s.View().selEndByte);

    // A double click ends the drag its first click began: the button-up
    // that follows leaves the record selection alone.
    input.LeftDown(2, 4 + 17);
    input.DoubleClick(2, 4 + 17);
    EXPECT_FALSE(input.LeftUp(40, 4 + 17));
    EXPECT_EQ(1, s.View().selStartRecord);
    EXPECT_EQ(2, s.View().selEndRecord);
    EXPECT_EQ(0, s.View().selEndByte);
}

}  // namespace
