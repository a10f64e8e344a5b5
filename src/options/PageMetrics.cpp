#include "options/PageMetrics.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "settings/Settings.h"

namespace {

constexpr float kLimit = 1000000.0f;

// A margin as the formulas take it: a damaged setting (NaN, or more than
// 10,000 inches either way) must not poison the other margins' sums.
float Margin(float inches)
{
    if (std::isnan(inches)) return 0.0f;
    return std::clamp(inches, -kLimit / 100.0f, kLimit / 100.0f);
}

}  // namespace

int HundredthsOfInch(float inches)
{
    const float value = 100.0f * inches;
    if (std::isnan(value)) return 0;
    return static_cast<int>(std::clamp(value, -kLimit, kLimit));
}

PrintableArea AreaForDevice(int widthPixels, int heightPixels, int ppiX, int ppiY)
{
    PrintableArea area;
    if (ppiX > 0) area.width = static_cast<int>(100LL * std::max(widthPixels, 0) / ppiX);
    if (ppiY > 0) area.bottom = -static_cast<int>(100LL * std::max(heightPixels, 0) / ppiY);
    return area;
}

PageMetrics ComputePageMetrics(const PrintableArea& area, int charWidth, int lineHeight,
                               const Settings& settings)
{
    const float left = Margin(settings.printLeft);
    const float right = Margin(settings.printRight);
    const float top = Margin(settings.printTop);
    const float bottom = Margin(settings.printBottom);
    PageMetrics m;
    m.area = area;
    m.charWidth = std::max(charWidth, 1);
    m.lineHeight = std::max(lineHeight, 1);
    m.numberColumn = settings.printLine ? 6 : 0;
    m.x0 = area.left + HundredthsOfInch(left);
    const long long usableWidth =
        static_cast<long long>(area.width) - HundredthsOfInch(left + right);
    const long long columns = usableWidth / m.charWidth - m.numberColumn;
    m.columnsPerLine = static_cast<int>(std::clamp(columns, 1LL, 1000000LL));
    m.y0 = -area.top - HundredthsOfInch(top);
    const long long usableHeight = std::llabs(static_cast<long long>(area.bottom) - area.top) -
                                   HundredthsOfInch(top + bottom);
    m.linesPerPage = static_cast<int>(std::clamp(usableHeight / m.lineHeight, 1LL, 1000000LL));
    m.headerY = m.y0 / 2;
    m.footerY = area.bottom + HundredthsOfInch(0.5f * bottom);
    return m;
}
