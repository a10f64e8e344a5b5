#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>
#include <wx/frame.h>
#include <wx/caret.h>
#include <wx/utils.h>

#include "app/Globals.h"
#include "app/wx/AppDoc.h"
#include "app/wx/MainFrame.h"
#include "gui/ShellFixture.h"
#include "gui/GuiApp.h"
#include "records/RecordList.h"
#include "support/TempDir.h"
#include "view/wx/AppView.h"
#include "view/wx/EditDataWnd.h"

namespace {

// Status pane 1 for a 1-based record and column.
std::string PositionText(int record, int column)
{
    char text[32];
    std::snprintf(text, sizeof text, "[%d,%d]", record, column);
    return text;
}

// A file opened as a document, with the keyboard in the data pane.
class Editing : public ShellTest {
protected:
    CAppView* Open(const std::string& bytes)
    {
        path = dir.File("data.txt");
        WriteFileBytes(path, bytes);
        if (!Doc().OpenFile(path, 0, 0)) return nullptr;
        Frame().ResetView();
        view = dynamic_cast<CAppView*>(Doc().GetFirstView());
        if (!view) return nullptr;
        if (!GuiApp::Activate(&Frame())) return nullptr;
        view->dataPane->SetFocus();
        return GuiApp::RunUntil([this] { return GuiApp::HasKeyboardFocus(view->dataPane); }) ? view : nullptr;
    }
    void TearDown() override
    {
        if (view) {
            view->insertMode = true;
            if (view->rowsPerRecord == 3) view->ToggleHex();
        }
        ShellTest::TearDown();
    }
    // Ctrl+S, then the file's bytes.
    std::string SavedBytes()
    {
        PressKeys("37+39");
        EXPECT_FALSE(Doc().IsModified());
        return ReadFileBytes(path);
    }
    std::string Position() { return Frame().PaneText(CMainFrame::kPositionPane).utf8_string(); }
    std::string Message() { return Frame().PaneText(CMainFrame::kMessagePane).utf8_string(); }

    static void PressKeys(const std::string& keycodes);

    std::string path;
    CAppView* view = nullptr;
};

// Real key presses through the X server, by hardware keycode (Xvfb's evdev
// map), as a keyboard would send them.
void Editing::PressKeys(const std::string& keycodes)
{
    ASSERT_TRUE(GuiApp::SendInput("key --delay 20 " + keycodes)) << keycodes;
}

bool NumLockOn() { return wxGetKeyState(WXK_NUMLOCK); }

TEST_F(Editing, TypingEnterBackspaceInsertAndSave)
{
    ASSERT_NE(nullptr, Open("hello\r\nworld\r\n"));
    ASSERT_TRUE(view->dataPane->HasFocus());
    // x y Enter z BackSpace q, then Down, Home, Insert and Shift+A over the w.
    PressKeys("53 29 36 52 22 24");
    EXPECT_EQ("[2,2]", Position());
    EXPECT_EQ('*', Title().back());
    PressKeys("116 110 118 50+38");
    EXPECT_FALSE(view->insertMode);
    EXPECT_EQ("OVR", Frame().PaneText(CMainFrame::kInsertPane));
    EXPECT_EQ("xy\r\nqhello\r\nAorld\r\n", SavedBytes());
    EXPECT_NE('*', Title().back());
}

TEST_F(Editing, HexDigitsOnTheNibbleRows)
{
    ASSERT_NE(nullptr, Open("AB\r\nCD\r\n"));
    view->ToggleHex();
    PressKeys("116 16 41");  // Down to the high nibbles, 7 and F: a new byte 7F
    EXPECT_EQ("[1,2]", Position());
    PressKeys("118 116 116 116 116 10");  // overwrite; low nibble of D; 1 over its 4
    EXPECT_EQ("\x7F" "AB\r\nCA\r\n", SavedBytes());
}

TEST_F(Editing, NavigationKeysMoveTheCaret)
{
    std::string text;
    for (int i = 0; i < 100; ++i) text += "line " + std::to_string(i) + "\r\n";
    ASSERT_NE(nullptr, Open(text));
    PressKeys("115");  // End
    EXPECT_EQ("[1,7]", Position());
    PressKeys("110 114 114");  // Home, Right, Right
    EXPECT_EQ("[1,3]", Position());
    PressKeys("116 116 111");  // Down, Down, Up
    EXPECT_EQ("[2,3]", Position());
    PressKeys("117");  // Page Down
    EXPECT_EQ(PositionText(2 + view->pageRows, 3), Position());
    EXPECT_EQ(view->pageRows, view->topRow);
    PressKeys("112 113");  // Page Up, Left
    EXPECT_EQ("[2,2]", Position());
    PressKeys("37+117");  // Ctrl+Page Down
    EXPECT_EQ("[100,1]", Position());
    PressKeys("105+112");  // right Ctrl+Page Up
    EXPECT_EQ("[1,1]", Position());
    EXPECT_FALSE(view->dataPane->input.ctrlDown);
    EXPECT_NE('*', Title().back());  // moving changes nothing
}

TEST_F(Editing, KeypadActsAsNavigationOrTypesWithNumLock)
{
    ASSERT_NE(nullptr, Open("abc\r\ndef\r\n"));
    if (NumLockOn()) PressKeys("77");
    ASSERT_FALSE(NumLockOn());
    PressKeys("88 85");  // keypad 2 and 6: Down, Right
    EXPECT_EQ("[2,2]", Position());

    PressKeys("77");  // NumLock on
    ASSERT_TRUE(NumLockOn());
    PressKeys("80");  // keypad 8 types 8 and stays on its record
    EXPECT_EQ("[2,3]", Position());
    PressKeys("77");
    EXPECT_EQ("abc\r\nd8ef\r\n", SavedBytes());
}

// Screen position of the middle of a cell of the data pane.
wxPoint CellOnScreen(CAppView* v, int col, int row)
{
    return v->dataPane->ClientToScreen(
        wxPoint(col * v->charWidth + 2, row * v->charHeight + 2 + v->charHeight / 2));
}

void Mouse(const std::string& actions) { ASSERT_TRUE(GuiApp::SendInput(actions)) << actions; }

std::string At(const wxPoint& p) { return std::to_string(p.x) + " " + std::to_string(p.y); }

TEST_F(Editing, ClickDragAndDoubleClickSelect)
{
    CAppView* v = Open("first record\r\nsecond record\r\nthird record\r\nlast\r\n");
    ASSERT_NE(nullptr, v);
    Mouse("mousemove " + At(CellOnScreen(v, 5, 2)) + " click 1");
    EXPECT_EQ(2, v->caretRecord);
    EXPECT_EQ(5, v->caretByte);
    ASSERT_NE(nullptr, v->dataPane->GetCaret());
    EXPECT_EQ(wxSize(2, v->charHeight), v->dataPane->GetCaret()->GetSize());
    EXPECT_TRUE(v->dataPane->caretShown);

    // Each pause outlasts the double-click time.
    Mouse("sleep 0.6 mousedown 1 mousemove " + At(CellOnScreen(v, 2, 0)) + " mouseup 1");
    EXPECT_EQ(0, v->selStartRecord);
    EXPECT_EQ(2, v->selStartByte);
    EXPECT_EQ(2, v->selEndRecord);
    EXPECT_EQ(5, v->selEndByte);
    EXPECT_EQ("1:3 - 3:5 selected", Message());
    EXPECT_FALSE(v->dataPane->caretShown);  // hidden while there is a selection

    Mouse("mousemove " + At(CellOnScreen(v, 3, 1)) + " click --repeat 2 --delay 80 1");
    EXPECT_EQ(1, v->selStartRecord);
    EXPECT_EQ(0, v->selStartByte);
    EXPECT_EQ(2, v->selEndRecord);
    EXPECT_EQ(0, v->selEndByte);
    EXPECT_EQ("2:1 - 3:0 selected", Message());
    PressKeys("119");  // Delete takes the record with its line break
    EXPECT_EQ("[2,1]", Position());

    Mouse("sleep 0.6 click 1");  // a plain click clears it and brings the caret back
    EXPECT_FALSE(v->HasSelection());
    EXPECT_TRUE(v->dataPane->caretShown);
    PressKeys("118");  // Insert: overwrite mode has a cell-wide caret
    ASSERT_NE(nullptr, v->dataPane->GetCaret());
    EXPECT_EQ(wxSize(v->charWidth, v->charHeight), v->dataPane->GetCaret()->GetSize());
    PressKeys("118");
    EXPECT_EQ("first record\r\nthird record\r\nlast\r\n", SavedBytes());
}

}  // namespace
