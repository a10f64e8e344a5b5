#include "resources/IconSvg.h"

#include <algorithm>
#include <cstdio>

std::string IconSvg(const IconImage& image)
{
    char buffer[160];
    std::snprintf(buffer, sizeof buffer,
                  "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%d\" height=\"%d\" viewBox=\"0 0 %d %d\" "
                  "shape-rendering=\"crispEdges\">\n",
                  image.width, image.height, image.width, image.height);
    std::string svg = std::string("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n") + buffer;
    auto pixel = [&](int x, int y) { return &image.rgba[(static_cast<std::size_t>(y) * image.width + x) * 4]; };
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width;) {
            const std::uint8_t* p = pixel(x, y);
            int end = x + 1;
            while (end < image.width && std::equal(p, p + 4, pixel(end, y))) ++end;
            if (p[3] != 0) {
                std::snprintf(buffer, sizeof buffer,
                              "<rect x=\"%d\" y=\"%d\" width=\"%d\" height=\"1\" fill=\"#%02X%02X%02X\"", x, y,
                              end - x, p[0], p[1], p[2]);
                svg += buffer;
                if (p[3] != 255) {
                    std::snprintf(buffer, sizeof buffer, " fill-opacity=\"%.3f\"", p[3] / 255.0);
                    svg += buffer;
                }
                svg += "/>\n";
            }
            x = end;
        }
    }
    return svg + "</svg>\n";
}
