#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "resources/IconImage.h"
#include "resources/IconSvg.h"
#include "resources/Images.h"

namespace {

const std::uint8_t* Pixel(const IconImage& image, int x, int y)
{
    return &image.rgba[(static_cast<std::size_t>(y) * image.width + x) * 4];
}

std::string Rgba(const IconImage& image, int x, int y)
{
    const std::uint8_t* p = Pixel(image, x, y);
    char text[16];
    std::snprintf(text, sizeof text, "%02X%02X%02X/%d", p[0], p[1], p[2], p[3]);
    return text;
}

// White beside transparent, in both directions.
const char* const kHalfWhite[] = {"2 2 2 1", "w c #FFFFFF", ". c None", "w.", ".w"};

TEST(IconImage, ProgramIconScalesUpExactlyAndDownWithoutDarkening)
{
    IconImage icon;
    ASSERT_TRUE(DecodeXpm(ProgramIcon(), &icon));
    ASSERT_EQ(32, icon.width);
    ASSERT_EQ(32, icon.height);
    EXPECT_EQ("000000/0", Rgba(icon, 0, 0));
    EXPECT_EQ("000000/255", Rgba(icon, 3, 2));
    EXPECT_EQ("1E5AA8/255", Rgba(icon, 4, 3));

    const IconImage big = ScaleIcon(icon, 64);
    ASSERT_EQ(64u * 64 * 4, big.rgba.size());
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x) ASSERT_EQ(Rgba(icon, x / 2, y / 2), Rgba(big, x, y)) << x << "," << y;

    // Transparent pixels lend coverage, never colour: half-covered white
    // stays white at half alpha instead of turning grey.
    IconImage half;
    ASSERT_TRUE(DecodeXpm(kHalfWhite, &half));
    EXPECT_EQ("FFFFFF/128", Rgba(ScaleIcon(half, 1), 0, 0));

    // A size that is no whole fraction keeps the icon's total coverage.
    auto coverage = [](const IconImage& image) {
        double sum = 0;
        for (std::size_t i = 3; i < image.rgba.size(); i += 4) sum += image.rgba[i];
        return sum / (image.width * image.height);
    };
    EXPECT_NEAR(coverage(icon), coverage(ScaleIcon(icon, 22)), 1.0);
    EXPECT_NEAR(coverage(icon), coverage(ScaleIcon(icon, 16)), 1.0);
}

TEST(IconImage, MalformedPicturesAreRefused)
{
    const char* const badHeader[] = {"2 x 1 1", "a c #000000", "aa", "aa"};
    const char* const unknownKey[] = {"2 1 1 1", "a c #000000", "ab"};
    const char* const shortRow[] = {"2 2 1 1", "a c #000000", "aa", "a"};
    const char* const badColour[] = {"1 1 1 1", "a c #00000", "a"};
    const char* const missingRow[] = {"1 2 1 1", "a c #000000", "a", nullptr};
    IconImage image;
    for (const char* const* xpm : {badHeader, unknownKey, shortRow, badColour, missingRow})
        EXPECT_FALSE(DecodeXpm(xpm, &image)) << xpm[0] << " / " << xpm[1];
    EXPECT_TRUE(image.rgba.empty());
}

TEST(IconSvg, RunsBecomeRectanglesAndTransparentPixelsAreLeftOut)
{
    const char* const xpm[] = {"4 2 3 1", "a c #FF0000", "b c #00FF00", ". c None", "aab.", "...a"};
    IconImage image;
    ASSERT_TRUE(DecodeXpm(xpm, &image));
    const std::string svg = IconSvg(image);
    EXPECT_NE(std::string::npos, svg.find("viewBox=\"0 0 4 2\""));
    EXPECT_NE(std::string::npos, svg.find("<rect x=\"0\" y=\"0\" width=\"2\" height=\"1\" fill=\"#FF0000\"/>"));
    EXPECT_NE(std::string::npos, svg.find("<rect x=\"2\" y=\"0\" width=\"1\" height=\"1\" fill=\"#00FF00\"/>"));
    EXPECT_NE(std::string::npos, svg.find("<rect x=\"3\" y=\"1\" width=\"1\" height=\"1\" fill=\"#FF0000\"/>"));
    std::size_t rects = 0;
    for (std::size_t at = svg.find("<rect"); at != std::string::npos; at = svg.find("<rect", at + 1)) ++rects;
    EXPECT_EQ(3u, rects);
    EXPECT_EQ("</svg>\n", svg.substr(svg.size() - 7));

    IconImage half;
    ASSERT_TRUE(DecodeXpm(kHalfWhite, &half));
    EXPECT_NE(std::string::npos, IconSvg(ScaleIcon(half, 1)).find("fill=\"#FFFFFF\" fill-opacity=\"0.502\""));
}

}  // namespace
