#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>
#include <wx/frame.h>
#include <wx/caret.h>
#include <wx/utils.h>

#include "app/Globals.h"
#include "gui/GuiApp.h"
#include "records/RecordList.h"
#include "support/TempDir.h"
#include "view/wx/AppView.h"
#include "view/wx/EditDataWnd.h"

namespace {

CAppView* View() { return dynamic_cast<CAppView*>(theView); }

// A file read into a record list and shown in the view with the keyboard in
// the data pane; the previous list comes back afterwards.
class EditedFile {
public:
    explicit EditedFile(const std::string& bytes) : saved_(theRecordList)
    {
        const std::string path = dir_.File("data.txt");
        WriteFileBytes(path, bytes);
        loaded_ = list_.Load(path, 0, 0) == 0;
        theRecordList = &list_;
        View()->insertMode = true;
        View()->OnInitialUpdate();
        GuiApp::MainFrame()->Raise();
        View()->dataPane->SetFocus();
        GuiApp::ProcessEvents(200);
    }
    ~EditedFile()
    {
        theRecordList = saved_;
        if (View()) {
            View()->rowsPerRecord = 1;
            View()->insertMode = true;
            View()->OnInitialUpdate();
        }
        GuiApp::ProcessEvents(50);
    }
    bool Loaded() const { return loaded_; }
    std::vector<std::string> Records() const
    {
        std::vector<std::string> out;
        for (const RecordNode* n = list_.head; n; n = n->next)
            out.emplace_back(reinterpret_cast<const char*>(n->data), n->length);
        return out;
    }

private:
    TempDir dir_;
    CRecordList list_;
    CRecordList* saved_;
    bool loaded_ = false;
};

// Real key presses through the X server, by hardware keycode (Xvfb's evdev
// map), as a keyboard would send them.
void PressKeys(const std::string& keycodes)
{
    ASSERT_EQ(0, std::system(("xdotool key --delay 20 " + keycodes).c_str()));
    GuiApp::ProcessEvents(250);
}

bool NumLockOn() { return wxGetKeyState(WXK_NUMLOCK); }

TEST(EditingKeys, TypingEnterBackspaceAndOverwrite)
{
    EditedFile file("hello\r\nworld\r\n");
    ASSERT_TRUE(file.Loaded());
    ASSERT_TRUE(View()->dataPane->HasFocus());
    // x y Enter z BackSpace q, then Insert and "A" over the w of world.
    PressKeys("53 29 36 52 22 24");
    EXPECT_EQ((std::vector<std::string>{"xy", "qhello", "world"}), file.Records());
    PressKeys("116 110 118 50+38");
    EXPECT_FALSE(View()->insertMode);
    EXPECT_EQ((std::vector<std::string>{"xy", "qhello", "Aorld"}), file.Records());
}

TEST(EditingKeys, HexDigitsOnTheNibbleRows)
{
    EditedFile file("AB\r\n");
    ASSERT_TRUE(file.Loaded());
    View()->ToggleHex();
    GuiApp::ProcessEvents(100);
    PressKeys("116 16 41");  // Down to the high nibbles, then 7 and F
    EXPECT_EQ((std::vector<std::string>{"\x7F" "AB"}), file.Records());
    EXPECT_EQ(1, View()->caretByte);
}

TEST(EditingKeys, NavigationKeysMoveTheCaret)
{
    std::string text;
    for (int i = 0; i < 100; ++i) text += "line " + std::to_string(i) + "\r\n";
    EditedFile file(text);
    ASSERT_TRUE(file.Loaded());
    CAppView* v = View();
    PressKeys("115");  // End
    EXPECT_EQ(6, v->caretByte);
    PressKeys("110 114 114");  // Home, Right, Right
    EXPECT_EQ(2, v->caretByte);
    PressKeys("116 116 111");  // Down, Down, Up
    EXPECT_EQ(1, v->caretRecord);
    PressKeys("117");  // Page Down
    EXPECT_EQ(1 + v->pageRows, v->caretRecord);
    EXPECT_EQ(v->pageRows, v->topRow);
    PressKeys("112 113");  // Page Up, Left
    EXPECT_EQ(1, v->caretRecord);
    EXPECT_EQ(1, v->caretByte);
    PressKeys("37+117");  // Ctrl+Page Down
    EXPECT_EQ(99, v->caretRecord);
    PressKeys("105+112");  // right Ctrl+Page Up
    EXPECT_EQ(0, v->caretRecord);
    EXPECT_FALSE(v->dataPane->input.ctrlDown);
}

TEST(EditingKeys, KeypadActsAsNavigationOrTypesWithNumLock)
{
    EditedFile file("abc\r\ndef\r\n");
    ASSERT_TRUE(file.Loaded());
    CAppView* v = View();
    if (NumLockOn()) PressKeys("77");
    ASSERT_FALSE(NumLockOn());
    PressKeys("88 85");  // keypad 2 and 6: Down, Right
    EXPECT_EQ(1, v->caretRecord);
    EXPECT_EQ(1, v->caretByte);

    PressKeys("77");  // NumLock on
    ASSERT_TRUE(NumLockOn());
    PressKeys("80");  // keypad 8 types 8 and stays on its record
    PressKeys("77");
    EXPECT_EQ((std::vector<std::string>{"abc", "d8ef"}), file.Records());
    EXPECT_EQ(1, v->caretRecord);
    EXPECT_EQ(2, v->caretByte);
}

// Screen position of the middle of a cell of the data pane.
wxPoint CellOnScreen(CAppView* v, int col, int row)
{
    return v->dataPane->ClientToScreen(
        wxPoint(col * v->charWidth + 2, row * v->charHeight + 2 + v->charHeight / 2));
}

void Mouse(const std::string& actions)
{
    ASSERT_EQ(0, std::system(("xdotool " + actions).c_str()));
    GuiApp::ProcessEvents(250);
}

std::string At(const wxPoint& p) { return std::to_string(p.x) + " " + std::to_string(p.y); }

TEST(EditingMouse, ClickDragAndDoubleClickSelect)
{
    EditedFile file("first record\r\nsecond record\r\nthird record\r\nlast\r\n");
    ASSERT_TRUE(file.Loaded());
    CAppView* v = View();
    Mouse("mousemove " + At(CellOnScreen(v, 5, 2)) + " click 1");
    EXPECT_EQ(2, v->caretRecord);
    EXPECT_EQ(5, v->caretByte);
    ASSERT_NE(nullptr, v->dataPane->GetCaret());
    EXPECT_EQ(wxSize(2, v->charHeight), v->dataPane->GetCaret()->GetSize());
    EXPECT_TRUE(v->dataPane->caretShown);

    Mouse("sleep 0.6 mousedown 1 mousemove " + At(CellOnScreen(v, 2, 0)) + " mouseup 1");
    EXPECT_EQ(0, v->selStartRecord);
    EXPECT_EQ(2, v->selStartByte);
    EXPECT_EQ(2, v->selEndRecord);
    EXPECT_EQ(5, v->selEndByte);
    EXPECT_FALSE(v->dataPane->caretShown);  // hidden while there is a selection

    Mouse("mousemove " + At(CellOnScreen(v, 3, 1)) + " click --repeat 2 --delay 80 1");
    EXPECT_EQ(1, v->selStartRecord);
    EXPECT_EQ(0, v->selStartByte);
    EXPECT_EQ(2, v->selEndRecord);
    EXPECT_EQ(0, v->selEndByte);

    Mouse("sleep 0.6 click 1");  // a plain click clears it and brings the caret back
    EXPECT_FALSE(v->HasSelection());
    EXPECT_TRUE(v->dataPane->caretShown);
    PressKeys("118");  // Insert: overwrite mode has a cell-wide caret
    ASSERT_NE(nullptr, v->dataPane->GetCaret());
    EXPECT_EQ(wxSize(v->charWidth, v->charHeight), v->dataPane->GetCaret()->GetSize());
    PressKeys("118");
}

}  // namespace
