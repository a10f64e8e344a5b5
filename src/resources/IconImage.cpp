#include "resources/IconImage.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <sstream>
#include <string>

namespace {

struct Rgba {
    std::uint8_t r = 0, g = 0, b = 0, a = 0;
};

int HexDigit(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

bool ParseColour(const std::string& value, Rgba* colour)
{
    if (value == "None" || value == "none") {
        *colour = {};
        return true;
    }
    if (value.size() != 7 || value[0] != '#') return false;
    std::uint8_t bytes[3];
    for (int i = 0; i < 3; ++i) {
        const int high = HexDigit(value[1 + 2 * i]);
        const int low = HexDigit(value[2 + 2 * i]);
        if (high < 0 || low < 0) return false;
        bytes[i] = static_cast<std::uint8_t>(high * 16 + low);
    }
    *colour = {bytes[0], bytes[1], bytes[2], 255};
    return true;
}

// The colour of the visual "c" key in the rest of a colour line.
bool ParseColourLine(const std::string& rest, Rgba* colour)
{
    std::istringstream words(rest);
    std::string key;
    std::string value;
    while (words >> key) {
        if (!(words >> value)) return false;
        if (key == "c") return ParseColour(value, colour);
    }
    return false;
}

}  // namespace

bool DecodeXpm(const char* const* xpm, IconImage* image)
{
    if (!xpm || !xpm[0]) return false;
    int width = 0, height = 0, colours = 0, charsPerPixel = 0;
    if (std::sscanf(xpm[0], "%d %d %d %d", &width, &height, &colours, &charsPerPixel) != 4) return false;
    if (width <= 0 || height <= 0 || width > 1024 || height > 1024 || colours <= 0 || charsPerPixel <= 0 ||
        charsPerPixel > 4)
        return false;
    const auto cpp = static_cast<std::size_t>(charsPerPixel);

    std::map<std::string, Rgba> palette;
    for (int i = 0; i < colours; ++i) {
        const char* line = xpm[1 + i];
        if (!line) return false;
        const std::string text = line;
        Rgba colour;
        if (text.size() < cpp || !ParseColourLine(text.substr(cpp), &colour)) return false;
        palette[text.substr(0, cpp)] = colour;
    }

    IconImage out;
    out.width = width;
    out.height = height;
    out.rgba.reserve(static_cast<std::size_t>(width) * height * 4);
    for (int y = 0; y < height; ++y) {
        const char* line = xpm[1 + colours + y];
        if (!line) return false;
        const std::string row = line;
        if (row.size() != cpp * width) return false;
        for (int x = 0; x < width; ++x) {
            const auto found = palette.find(row.substr(cpp * x, cpp));
            if (found == palette.end()) return false;
            const Rgba& c = found->second;
            out.rgba.insert(out.rgba.end(), {c.r, c.g, c.b, c.a});
        }
    }
    *image = std::move(out);
    return true;
}

IconImage ScaleIcon(const IconImage& image, int size)
{
    IconImage out;
    if (size <= 0 || image.width <= 0 || image.height <= 0) return out;
    out.width = out.height = size;
    out.rgba.assign(static_cast<std::size_t>(size) * size * 4, 0);
    const double stepX = static_cast<double>(image.width) / size;
    const double stepY = static_cast<double>(image.height) / size;
    for (int dy = 0; dy < size; ++dy) {
        const double top = dy * stepY, bottom = top + stepY;
        for (int dx = 0; dx < size; ++dx) {
            const double left = dx * stepX, right = left + stepX;
            double sum[4] = {0, 0, 0, 0};  // colours weighted by alpha, then alpha
            for (int sy = static_cast<int>(top); sy < image.height && sy < bottom; ++sy) {
                const double coverY = std::min<double>(sy + 1, bottom) - std::max<double>(sy, top);
                for (int sx = static_cast<int>(left); sx < image.width && sx < right; ++sx) {
                    const double cover = coverY * (std::min<double>(sx + 1, right) - std::max<double>(sx, left));
                    if (cover <= 0) continue;
                    const std::uint8_t* p = &image.rgba[(static_cast<std::size_t>(sy) * image.width + sx) * 4];
                    const double weight = cover * p[3];
                    for (int k = 0; k < 3; ++k) sum[k] += weight * p[k];
                    sum[3] += weight;
                }
            }
            std::uint8_t* q = &out.rgba[(static_cast<std::size_t>(dy) * size + dx) * 4];
            const double alpha = sum[3] / (stepX * stepY);
            q[3] = static_cast<std::uint8_t>(std::lround(std::min(alpha, 255.0)));
            if (sum[3] > 0)
                for (int k = 0; k < 3; ++k) q[k] = static_cast<std::uint8_t>(std::lround(sum[k] / sum[3]));
        }
    }
    return out;
}
