#include <gtest/gtest.h>

#include <ostream>
#include <random>
#include <string>

#include "view/DataPanePicture.h"
#include "view/GlyphAtlas.h"
#include "view/PixelBuffer.h"
#include "view/ViewTestSupport.h"

// Failures show the rectangles.
void PrintTo(const PixelRect& r, std::ostream* os)
{
    *os << "{" << r.x << ", " << r.y << ", " << r.width << ", " << r.height << "}";
}

namespace {

// Glyphs of one solid colour per style with a one-pixel marker of the
// character code in the top-left corner, so the test can read cells back.
CGlyphAtlas SolidAtlas(int w, int h)
{
    CGlyphAtlas atlas;
    atlas.Reset(w, h);
    for (int s = 1; s < kCellStyleCount; ++s) {
        const auto style = static_cast<CellStyle>(s);
        for (int c = CGlyphAtlas::kFirstChar; c <= CGlyphAtlas::kLastChar; ++c) {
            std::vector<Rgb> pixels(static_cast<std::size_t>(w * h), TextColour(style));
            pixels[0] = static_cast<Rgb>(c);
            atlas.SetGlyph(style, static_cast<char>(c), pixels);
        }
    }
    return atlas;
}

// A full picture of the view, drawn from nothing.
CPixelBuffer FreshPicture(const CAppViewBase& view, const CGlyphAtlas& atlas, int width, int height,
                          int scale = 1)
{
    CPixelBuffer out;
    out.Resize(width, height);
    CDataPanePicture picture;
    picture.SetScale(scale);
    picture.Render(view, atlas, out);
    return out;
}

// The number of pixels in which two pictures of the same size differ.
int Differences(const CPixelBuffer& a, const CPixelBuffer& b)
{
    int count = 0;
    for (int y = 0; y < a.Height(); ++y)
        for (int x = 0; x < a.Width(); ++x) count += a.At(x, y) != b.At(x, y);
    return count;
}

// What a screen shows after copying the damage from the picture.
void Follow(const PaneDamage& damage, const CPixelBuffer& picture, CPixelBuffer& screen)
{
    for (const PixelRect& r : damage.redrawn)
        for (int y = r.y; y < r.y + r.height; ++y)
            for (int x = r.x; x < r.x + r.width; ++x) screen.Row(y)[x] = picture.At(x, y);
}

TEST(DataPanePicture, CopiesEachCellsGlyphToItsOriginAndLeavesTheRestWhite)
{
    TestDocument doc({"AB", "C"});
    TestView t(10, 5);
    t.view.ToggleHex();
    const CPixelBuffer out = FreshPicture(t.view, SolidAtlas(8, 17), 100, 100);
    EXPECT_EQ(static_cast<Rgb>('A'), out.At(5, 3));
    EXPECT_EQ(kAsciiText, out.At(6, 4));
    EXPECT_EQ(static_cast<Rgb>('B'), out.At(13, 3));
    EXPECT_EQ(static_cast<Rgb>('4'), out.At(5, 20));  // high nibble of A
    EXPECT_EQ(kNibbleText, out.At(6, 21));
    EXPECT_EQ(kDataBackground, out.At(4, 3));   // margin
    EXPECT_EQ(kDataBackground, out.At(21, 3));  // past the record's end
    EXPECT_EQ(kDataBackground, out.At(2, 90));  // below the last row

    // At twice the scale every position and size doubles.
    const CPixelBuffer doubled = FreshPicture(t.view, SolidAtlas(16, 34), 200, 200, 2);
    EXPECT_EQ(static_cast<Rgb>('A'), doubled.At(10, 6));
    EXPECT_EQ(static_cast<Rgb>('B'), doubled.At(26, 6));
    EXPECT_EQ(static_cast<Rgb>('4'), doubled.At(10, 40));
    EXPECT_EQ(kDataBackground, doubled.At(9, 6));
}

TEST(DataPanePicture, MissingGlyphsStillShowTheCellBackground)
{
    TestDocument doc({"x"});
    TestView t(4, 2);
    t.view.selEndByte = 1;
    CGlyphAtlas empty;
    empty.Reset(8, 17);
    const CPixelBuffer out = FreshPicture(t.view, empty, 40, 40);
    EXPECT_EQ(kSelectedBackground, out.At(6, 5));
    EXPECT_EQ(kDataBackground, out.At(14, 5));
}

// Every repaint after a change of the view leaves the picture as one drawn
// from nothing, and a screen that follows the damage shows the picture.
TEST(DataPanePicture, RepaintsMatchAFreshPictureAndTheScreenFollows)
{
    std::vector<std::string> records;
    std::mt19937 random(11);
    for (int i = 0; i < 300; ++i) {
        std::string text;
        const int length = static_cast<int>(random() % 40);
        for (int k = 0; k < length; ++k) text += static_cast<char>(k % 7 == 3 ? '\t' : 33 + random() % 200);
        records.push_back(text);
    }
    TestDocument doc(records);
    TestView t(24, 12);
    CAppViewBase& v = t.view;
    const CGlyphAtlas atlas = SolidAtlas(8, 17);
    const int width = 25 * 8 + 3;
    const int height = 12 * 17 + 5;
    CPixelBuffer picture;
    picture.Resize(width, height);
    CPixelBuffer screen;
    screen.Resize(width, height);
    CDataPanePicture painter;
    Follow(painter.Render(v, atlas, picture), picture, screen);

    for (int step = 0; step < 400; ++step) {
        const int action = static_cast<int>(random() % 9);
        const int row = static_cast<int>(random() % static_cast<unsigned>(v.TotalRows()));
        switch (action) {
        case 0: v.SetTopRow(std::max<DisplayRow>(v.topRow + static_cast<int>(random() % 7) - 3, 0)); break;
        case 1: v.SetTopRow(std::max<DisplayRow>(v.topRow + (random() % 2 ? 11 : -11), 0)); break;
        case 2: v.SetTopRow(row); break;
        case 3: v.SetLeftCol(static_cast<int>(random() % 6)); break;
        case 4: v.ToggleHex(); break;
        case 5: random() % 2 ? v.ToggleAscii() : v.ToggleSource(); break;
        case 6: {
            v.OnMouseDown(static_cast<int>(random() % width), static_cast<int>(random() % height));
            const int x = static_cast<int>(random() % width);
            const int y = static_cast<int>(random() % height);
            v.OnMouseDrag(x, y);
            v.OnMouseUp(x, y);
            break;
        }
        case 7: v.OnChar(false, 'a' + static_cast<int>(random() % 26)); break;
        default: v.OnChar(false, 8); break;
        }
        const PaneDamage damage = painter.Render(v, atlas, picture);
        Follow(damage, picture, screen);
        ASSERT_EQ(0, Differences(picture, FreshPicture(v, atlas, width, height))) << "step " << step;
        ASSERT_EQ(0, Differences(picture, screen)) << "step " << step;
    }
}

// Only what changed is drawn, and on the screen copied: after a scroll
// every row, but only as far as its text, old or new, reaches.
TEST(DataPanePicture, RepaintsDrawOnlyTheCellsThatChanged)
{
    TestDocument doc(NumberedRecords(100));
    TestView t(20, 10);
    const CGlyphAtlas atlas = SolidAtlas(8, 17);
    CPixelBuffer picture;
    picture.Resize(21 * 8, 10 * 17 + 3);
    CDataPanePicture painter;
    const std::vector<PixelRect> whole = {{0, 0, 21 * 8, 10 * 17 + 3}};
    EXPECT_EQ(whole, painter.Render(t.view, atlas, picture).redrawn);
    EXPECT_TRUE(painter.Render(t.view, atlas, picture).Empty()) << "nothing changed";

    // One typed character: its row from the caret to the end of the text.
    t.view.OnChar(false, 'x');
    std::vector<PixelRect> expected = {{5, 3, 9 * 8, 17}};  // "xrecord 0"
    EXPECT_EQ(expected, painter.Render(t.view, atlas, picture).redrawn);

    t.view.SetTopRow(1);
    expected = {
        {5, 3, 9 * 8, 17},                      // "xrecord 0" to "record 1"
        {5 + 7 * 8, 3 + 17, 8, 8 * 17},         // "record 2" to "record 9": the digit
        {5 + 7 * 8, 3 + 9 * 17, 2 * 8, 17},     // "record 9" to "record 10"
    };
    EXPECT_EQ(expected, painter.Render(t.view, atlas, picture).redrawn);

    // A window of another size, another scale: all of it again.
    CPixelBuffer doubled;
    doubled.Resize(42 * 8, 20 * 17 + 6);
    painter.SetScale(2);
    const std::vector<PixelRect> wholeDoubled = {{0, 0, 42 * 8, 20 * 17 + 6}};
    EXPECT_EQ(wholeDoubled, painter.Render(t.view, SolidAtlas(16, 34), doubled).redrawn);
}

TEST(PixelBuffer, BlitClipsAtTheEdges)
{
    CPixelBuffer out;
    out.Resize(4, 3);
    out.Fill(1);
    const std::vector<Rgb> glyph(9, 7);
    out.Blit(2, 1, 3, 3, glyph.data());
    EXPECT_EQ(7u, out.At(3, 2));
    EXPECT_EQ(1u, out.At(1, 1));
    out.Blit(-2, -2, 3, 3, glyph.data());
    EXPECT_EQ(7u, out.At(0, 0));
    EXPECT_EQ(1u, out.At(1, 1));
    out.FillRect(3, 0, 10, 10, 5);
    EXPECT_EQ(5u, out.At(3, 0));
}

// Memory of the toolkit's, with room after each row, is drawn row by row
// and the room left alone.
TEST(PixelBuffer, AttachedMemoryKeepsItsRowsApart)
{
    std::vector<Rgb> memory(6 * 3, 99);
    CPixelBuffer out;
    out.Attach(memory.data(), 4, 3, 6);
    out.Fill(1);
    const std::vector<Rgb> glyph(4, 7);
    out.Blit(3, 1, 2, 2, glyph.data());
    EXPECT_EQ(1u, memory[0]);
    EXPECT_EQ(7u, memory[6 + 3]);
    EXPECT_EQ(7u, out.At(3, 2));
    EXPECT_EQ(99u, memory[4]) << "after the first row";
    EXPECT_EQ(99u, memory[6 + 5]);
    EXPECT_EQ(99u, memory[12 + 4]);
}

}  // namespace
