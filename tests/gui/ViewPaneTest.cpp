#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <wx/frame.h>
#include <wx/image.h>
#include <wx/scrolbar.h>

#include "app/Globals.h"
#include "gui/GuiApp.h"
#include "platform/KeyScanCodes.h"
#include "records/RecordList.h"
#include "support/TempDir.h"
#include "view/ScrollBarModel.h"
#include "view/wx/AppView.h"
#include "view/wx/EditDataWnd.h"
#include "view/wx/LineWnd.h"
#include "view/wx/RulerWnd.h"

namespace {

CAppView* View() { return dynamic_cast<CAppView*>(theView); }

// Reads a file into a record list and shows it in the view, as opening a
// document does; puts the previous list back afterwards.
class ShownFile {
public:
    explicit ShownFile(const std::string& bytes) : saved_(theRecordList)
    {
        const std::string path = dir_.File("data.txt");
        WriteFileBytes(path, bytes);
        loaded_ = list_.Load(path, 0, 0) == 0;
        theRecordList = &list_;
        View()->OnInitialUpdate();
        GuiApp::ProcessEvents(0);
    }
    ~ShownFile()
    {
        theRecordList = saved_;
        if (View()) {
            View()->rowsPerRecord = 1;
            View()->OnInitialUpdate();
        }
        GuiApp::ProcessEvents(0);
    }
    bool Loaded() const { return loaded_; }

private:
    TempDir dir_;
    CRecordList list_;
    CRecordList* saved_;
    bool loaded_ = false;
};

// What the window shows on the screen, taken from the X server (the
// toolkit's own screen reading can answer with an old picture).
wxImage Screenshot(wxWindow* window)
{
    static TempDir dir;
    const std::string path = dir.File("screen.png");
    if (std::system(("import -window root '" + path + "'").c_str()) != 0) return wxImage();
    if (!wxImage::FindHandler(wxBITMAP_TYPE_PNG)) wxImage::AddHandler(new wxPNGHandler);
    wxImage screen(path, wxBITMAP_TYPE_PNG);
    if (!screen.IsOk()) return wxImage();
    return screen.GetSubImage(window->GetScreenRect());
}

// Whether a pixel of exactly this colour lies in the rectangle.
bool HasColour(const wxImage& image, const wxRect& area, unsigned char r, unsigned char g,
               unsigned char b)
{
    if (!image.IsOk()) return false;
    for (int y = area.y; y < area.GetBottom() && y < image.GetHeight(); ++y)
        for (int x = area.x; x < area.GetRight() && x < image.GetWidth(); ++x)
            if (image.GetRed(x, y) == r && image.GetGreen(x, y) == g && image.GetBlue(x, y) == b)
                return true;
    return false;
}

using Check = std::function<bool(const wxImage&)>;

Check Colour(const wxRect& area, unsigned char r, unsigned char g, unsigned char b)
{
    return [=](const wxImage& image) { return HasColour(image, area, r, g, b); };
}

// The first picture of the window for which `shows` holds, taken again
// while the window repaints (at most five seconds); else the last one.
wxImage ScreenshotShowing(wxWindow* window, const Check& shows)
{
    window->Update();
    wxImage shot;
    GuiApp::RunUntil([&] { return shows(shot = Screenshot(window)); });
    return shot;
}

// The data pane's cell (column c, screen row i) in the pane's window
// coordinates (its client area lies inside the edge).
wxRect CellRect(CAppView* v, int c, int i)
{
    const wxPoint origin = v->dataPane->GetClientAreaOrigin();
    return wxRect(origin.x + v->charWidth * c + 5, origin.y + v->charHeight * i + 3, v->charWidth,
                  v->charHeight);
}

// A part of a window as the screen shows it, hashed (FNV-1a over the RGB
// bytes).
std::string HashOfArea(const wxImage& shot, const wxRect& area)
{
    if (!shot.IsOk() || !wxRect(shot.GetSize()).Contains(area)) return "no picture";
    std::uint64_t hash = 14695981039346656037ull;
    for (int y = area.y; y <= area.GetBottom(); ++y)
        for (int x = area.x; x <= area.GetRight(); ++x)
            for (unsigned char byte : {shot.GetRed(x, y), shot.GetGreen(x, y), shot.GetBlue(x, y)})
                hash = (hash ^ byte) * 1099511628211ull;
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(hash));
    return text;
}

// That the screen shows `area` of `window` with the hash `expected` (the
// data pane's caret hidden first), within five seconds.
void ExpectPixels(wxWindow* window, const wxRect& area, const std::string& expected, const char* what)
{
    View()->dataPane->HideCaretNow();
    window->Update();
    std::string hash;
    GuiApp::RunUntil([&] { return (hash = HashOfArea(Screenshot(window), area)) == expected; });
    EXPECT_EQ(expected, hash) << what;
}

// The top-left 60 columns and 12 rows of the data pane's client area, with
// the margins.
void ExpectCells(CAppView* v, const std::string& expected, const char* what)
{
    const wxPoint origin = v->dataPane->GetClientAreaOrigin();
    ExpectPixels(v->dataPane, wxRect(origin.x, origin.y, 5 + 60 * v->charWidth, 3 + 12 * v->charHeight),
                 expected, what);
}

TEST(ViewPanes, PanesAreCreatedAndLaidOutAroundTheDataPane)
{
    CAppView* v = View();
    ASSERT_NE(nullptr, v);
    ASSERT_NE(nullptr, v->dataPane);
    EXPECT_EQ("EditData", v->dataPane->GetName());
    EXPECT_EQ("Line", v->linePane->GetName());
    EXPECT_EQ("Ruler", v->rulerPane->GetName());
    EXPECT_EQ(301, v->dataPane->GetId());
    EXPECT_EQ(7 * v->smallCharWidth, v->lineWidth);
    EXPECT_GT(v->charWidth, 0);
    EXPECT_GT(v->charHeight, 0);

    EXPECT_EQ(wxPoint(v->lineWidth, 1), v->rulerPane->GetPosition());
    EXPECT_EQ(wxPoint(1, v->rulerHeight), v->linePane->GetPosition());
    EXPECT_EQ(wxRect(v->lineWidth, v->rulerHeight, v->dataWidth, v->dataHeight), v->dataPane->GetRect());
    const wxSize form = v->form->GetClientSize();
    EXPECT_EQ(form.x, v->vertBar->GetRect().GetRight() + 1);
    EXPECT_EQ(form.y, v->horzBar->GetRect().GetBottom() + 1);
    const wxSize client = v->dataPane->GetClientSize();
    EXPECT_EQ(client.x / v->charWidth - 1, v->pageCols);
    EXPECT_EQ(client.y / v->charHeight, v->pageRows);
}

TEST(ViewPanes, ScrollBarsShowTheDocumentAndScrollTheView)
{
    std::string text;
    for (int i = 0; i < 200; ++i) text += "record " + std::to_string(i) + "\r\n";
    ShownFile file(text);
    ASSERT_TRUE(file.Loaded());
    CAppView* v = View();
    EXPECT_EQ(200, v->vertBar->GetRange());
    EXPECT_EQ(v->pageRows, v->vertBar->GetThumbSize());
    wxScrollEvent down(wxEVT_SCROLL_PAGEDOWN, CAppView::kVertBarId, 0, wxVERTICAL);
    down.SetEventObject(v->vertBar);
    v->vertBar->GetEventHandler()->ProcessEvent(down);
    EXPECT_EQ(v->pageRows, v->topRow);
    EXPECT_EQ(v->pageRows, v->vertBar->GetThumbPosition());
    wxMouseEvent wheel(wxEVT_MOUSEWHEEL);
    wheel.m_wheelRotation = 120;
    wheel.m_wheelDelta = 120;
    v->dataPane->GetEventHandler()->ProcessEvent(wheel);
    EXPECT_EQ(v->pageRows - v->pageRows / 2, v->topRow);
}

// The thumb is drawn where the view put it by a key, not where it was: GTK
// places it only when it lays the bar out.
TEST(ViewPanes, TheThumbIsDrawnWhereAKeyMovedIt)
{
    std::string text;
    for (int i = 0; i < 2000; ++i) text += "record " + std::to_string(i) + "\n";
    ShownFile file(text);
    ASSERT_TRUE(file.Loaded());
    CAppView* v = View();
    const wxSize bar = v->vertBar->GetSize();
    const wxRect top(0, 0, bar.x, bar.y / 4);
    const wxRect bottom(0, bar.y - bar.y / 4, bar.x, bar.y / 4);
    // The thumb's own colour, as the bar shows it at the top.
    wxImage shot = Screenshot(v->vertBar);
    ASSERT_TRUE(shot.IsOk());
    const wxPoint inThumb(bar.x / 2, 8);
    const unsigned char r = shot.GetRed(inThumb.x, inThumb.y);
    const unsigned char g = shot.GetGreen(inThumb.x, inThumb.y);
    const unsigned char b = shot.GetBlue(inThumb.x, inThumb.y);
    ASSERT_FALSE(HasColour(shot, bottom, r, g, b)) << "no thumb colour at the bottom to begin with";

    const auto thumbAt = [&](const wxRect& here, const wxRect& notThere) {
        return [=](const wxImage& image) {
            return HasColour(image, here, r, g, b) && !HasColour(image, notThere, r, g, b);
        };
    };
    v->OnKey(true, scan_code::kPageDown);
    EXPECT_TRUE(thumbAt(bottom, top)(ScreenshotShowing(v->vertBar, thumbAt(bottom, top)))) << "Ctrl+Page Down";
    v->OnKey(true, scan_code::kPageUp);
    EXPECT_TRUE(thumbAt(top, bottom)(ScreenshotShowing(v->vertBar, thumbAt(top, bottom)))) << "Ctrl+Page Up";
}

TEST(ViewPanes, ScreenShowsTheColoursOfEachView)
{
    ShownFile file("HELLO\r\n\xC8\xC5\xD3\r\n");
    ASSERT_TRUE(file.Loaded());
    CAppView* v = View();

    const Check blackH = Colour(CellRect(v, 0, 0), 0, 0, 0);
    wxImage shot = ScreenshotShowing(v->dataPane, blackH);
    EXPECT_TRUE(blackH(shot)) << "black H";
    EXPECT_FALSE(HasColour(shot, CellRect(v, 0, 0), 192, 0, 0));
    EXPECT_TRUE(HasColour(shot, CellRect(v, 8, 0), 255, 255, 255));
    EXPECT_FALSE(HasColour(shot, CellRect(v, 8, 0), 0, 0, 0)) << "nothing past the end";

    const Check lineGrey = Colour(wxRect(3, v->dataHeight - 10, 4, 4), 228, 228, 228);
    EXPECT_TRUE(lineGrey(ScreenshotShowing(v->linePane, lineGrey)));
    const Check rulerGrey = Colour(wxRect(3, 3, 4, 4), 228, 228, 228);
    EXPECT_TRUE(rulerGrey(ScreenshotShowing(v->rulerPane, rulerGrey)));

    v->ToggleAscii();  // EBCDIC: C8 C5 D3 show as H E L in dark red
    const Check darkRedH = Colour(CellRect(v, 0, 1), 192, 0, 0);
    shot = ScreenshotShowing(v->dataPane, darkRedH);
    EXPECT_TRUE(darkRedH(shot)) << "dark red H";
    EXPECT_FALSE(HasColour(shot, CellRect(v, 0, 1), 0, 0, 0));
    v->ToggleAscii();

    v->ToggleHex();  // record 0: character row, then its nibble rows in grey
    const Check greyNibble = Colour(CellRect(v, 0, 1), 128, 128, 128);
    shot = ScreenshotShowing(v->dataPane, greyNibble);
    EXPECT_TRUE(greyNibble(shot)) << "grey 4 of 48";
    EXPECT_TRUE(HasColour(shot, CellRect(v, 0, 2), 128, 128, 128)) << "grey 8 of 48";
    EXPECT_TRUE(HasColour(shot, CellRect(v, 0, 0), 0, 0, 0));
    v->ToggleHex();
}

// The data pane's pixels in each way of showing records, recorded from the
// pane as it was drawn through a whole-pane image and compared exactly: a
// faster way to the screen must not change a single pixel. Recorded with
// the 8 x 17 cells of DejaVu Sans Mono 10.
TEST(ViewPanes, PixelsOfEachViewStayAsRecorded)
{
    ShownFile file("HELLO world 0123456789 ~!@#$%^&*()_+{}|:<>?\r\n"
                   "\x7F\x80\xFF\xA0 high bytes\r\n"
                   "\xC8\xC5\xD3\xD3\xD6\x40\xA6\x96\x99\x93\x84 \x4A\x5A\r\n"
                   "\tTab\tseparated\tfields\t\r\n"
                   "  indented line with spaces\r\n"
                   "\r\n"
                   "the last record\r\n");
    ASSERT_TRUE(file.Loaded());
    CAppView* v = View();
    ASSERT_EQ(8, v->charWidth) << "recorded with 8 x 17 cells";
    ASSERT_EQ(17, v->charHeight) << "recorded with 8 x 17 cells";
    ASSERT_GE(v->pageCols, 60);
    ASSERT_GE(v->pageRows, 12);

    // The side panes beside the first rows and columns, the caret on the
    // first record.
    ExpectPixels(v->linePane, wxRect(0, 0, v->lineWidth - 1, 8 + 12 * v->charHeight), "d514161bd5d29d23",
                 "line-number pane");
    ExpectPixels(v->rulerPane, wxRect(0, 0, 5 + 60 * v->charWidth, v->rulerHeight - 1), "7c38c24b65fc5c6b", "ruler");

    // Character view with a selection from record 1 byte 3 into record 3.
    const wxRect from = CellRect(v, 3, 1);
    const wxRect to = CellRect(v, 2, 3);
    const wxPoint client = v->dataPane->GetClientAreaOrigin();
    v->OnMouseDown(from.x - client.x + 1, from.y - client.y + 1);
    v->OnMouseDrag(to.x - client.x + 1, to.y - client.y + 1);
    v->OnMouseUp(to.x - client.x + 1, to.y - client.y + 1);
    ASSERT_TRUE(v->HasSelection());
    ExpectCells(v, "eaddd2eb1e8396cc", "character view with a selection");
    v->OnMouseDown(1, 1);
    v->OnMouseUp(1, 1);

    v->ToggleHex();
    ExpectCells(v, "04803d939915adb8", "hex view");
    v->ToggleHex();

    v->ToggleAscii();
    ExpectCells(v, "87e16e0e30ad0549", "EBCDIC view");
    v->ToggleAscii();

    v->ToggleSource();
    ExpectCells(v, "0bade70ec68d99a0", "source mode with tabs");
    v->ToggleSource();
}

// After a scroll each pane shows by itself what a whole repaint by the
// toolkit shows: the panes put only what changed on the screen.
TEST(ViewPanes, ScrolledPanesShowWhatAWholeRepaintShows)
{
    std::string text;
    for (int i = 0; i < 300; ++i) text += "line " + std::to_string(i * 37) + std::string(i % 40, '*') + "\r\n";
    ShownFile file(text);
    ASSERT_TRUE(file.Loaded());
    CAppView* v = View();
    v->dataPane->HideCaretNow();
    const wxPoint origin = v->dataPane->GetClientAreaOrigin();
    const wxSize client = v->dataPane->GetClientSize();
    struct Pane {
        wxWindow* window;
        wxRect area;
    };
    const Pane panes[] = {{v->dataPane, wxRect(origin, client)},
                          {v->linePane, wxRect(v->linePane->GetClientSize())}};
    for (ScrollCode code : {ScrollCode::LineDown, ScrollCode::PageDown, ScrollCode::LineDown, ScrollCode::LineUp}) {
        v->OnVScroll(code, 0);
        v->dataPane->HideCaretNow();
        GuiApp::ProcessEvents(100);
        for (const Pane& pane : panes) {
            const std::string shown = HashOfArea(Screenshot(pane.window), pane.area);
            pane.window->Refresh(false);
            pane.window->Update();
            EXPECT_EQ(HashOfArea(Screenshot(pane.window), pane.area), shown)
                << pane.window->GetName() << " at row " << v->topRow;
        }
    }
}

// At twice the scale (GDK_SCALE=2; a test of its own in tests/CMakeLists.txt)
// the data pane draws its text in the screen's own pixels: a picture drawn
// at the window's size and doubled would show every character as blocks of
// 2 x 2 equal pixels.
TEST(ScaledScreen, DataPaneDrawsTheScreensOwnPixels)
{
    CAppView* v = View();
    ASSERT_EQ(2.0, v->dataPane->GetContentScaleFactor()) << "needs GDK_SCALE=2";
    ShownFile file("HHHH mmmm wwww 0123 @@@@ gggg\r\n");
    ASSERT_TRUE(file.Loaded());
    v->dataPane->HideCaretNow();

    // The first row's cells in device pixels, from an even position.
    const wxRect pane = v->dataPane->GetScreenRect();
    const wxPoint client = v->dataPane->GetClientAreaOrigin();
    const wxRect cells(2 * (pane.x + client.x + 5), 2 * (pane.y + client.y + 3), 2 * 28 * v->charWidth,
                       2 * v->charHeight);
    int inked = 0;
    int sharp = 0;
    GuiApp::RunUntil([&] {
        if (!wxImage::FindHandler(wxBITMAP_TYPE_PNG)) wxImage::AddHandler(new wxPNGHandler);
        static TempDir dir;
        const std::string path = dir.File("screen.png");
        if (std::system(("import -window root '" + path + "'").c_str()) != 0) return false;
        const wxImage screen(path, wxBITMAP_TYPE_PNG);
        if (!screen.IsOk() || !wxRect(screen.GetSize()).Contains(cells)) return false;
        inked = sharp = 0;
        for (int y = cells.y; y < cells.GetBottom(); y += 2) {
            for (int x = cells.x; x < cells.GetRight(); x += 2) {
                const unsigned char a = screen.GetGreen(x, y);
                const unsigned char b = screen.GetGreen(x + 1, y);
                const unsigned char c = screen.GetGreen(x, y + 1);
                const unsigned char d = screen.GetGreen(x + 1, y + 1);
                if (std::min({a, b, c, d}) == 255) continue;
                ++inked;
                if (a != b || a != c || a != d) ++sharp;
            }
        }
        return inked > 100 && sharp > inked / 4;
    });
    EXPECT_GT(inked, 100) << "the text on the screen";
    EXPECT_GT(sharp, inked / 4) << "of " << inked << " blocks of 2 x 2 pixels with ink, " << sharp
                                << " not of one colour";
}

}  // namespace
