#include <gtest/gtest.h>

#include "view/DataPanePainter.h"
#include "view/GlyphAtlas.h"
#include "view/PixelBuffer.h"
#include "view/ViewTestSupport.h"

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

TEST(DataPanePainter, CopiesEachCellsGlyphToItsOriginAndLeavesTheRestWhite)
{
    TestDocument doc({"AB", "C"});
    TestView t(10, 5);
    t.view.ToggleHex();
    CPixelBuffer out;
    out.Resize(100, 100);
    PaintDataPane(t.view, SolidAtlas(8, 17), out);
    EXPECT_EQ(static_cast<Rgb>('A'), out.At(5, 3));
    EXPECT_EQ(kAsciiText, out.At(6, 4));
    EXPECT_EQ(static_cast<Rgb>('B'), out.At(13, 3));
    EXPECT_EQ(static_cast<Rgb>('4'), out.At(5, 20));  // high nibble of A
    EXPECT_EQ(kNibbleText, out.At(6, 21));
    EXPECT_EQ(kDataBackground, out.At(4, 3));   // margin
    EXPECT_EQ(kDataBackground, out.At(21, 3));  // past the record's end
    EXPECT_EQ(kDataBackground, out.At(2, 90));  // below the last row
}

TEST(DataPanePainter, MissingGlyphsStillShowTheCellBackground)
{
    TestDocument doc({"x"});
    TestView t(4, 2);
    t.view.selEndByte = 1;
    CGlyphAtlas empty;
    empty.Reset(8, 17);
    CPixelBuffer out;
    out.Resize(40, 40);
    PaintDataPane(t.view, empty, out);
    EXPECT_EQ(kSelectedBackground, out.At(6, 5));
    EXPECT_EQ(kDataBackground, out.At(14, 5));
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

}  // namespace
