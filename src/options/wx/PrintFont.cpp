#include "options/wx/PrintFont.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <wx/bitmap.h>
#include <wx/dcmemory.h>
#include <wx/fontenum.h>

#include "options/PrintStrings.h"

namespace {

// Courier New's metric twin first, then the PostScript Courier's twin, then
// any fixed-pitch face common on Linux.
const char* const kFallbackFaces[] = {"Liberation Mono", "Nimbus Mono PS", "DejaVu Sans Mono", "Noto Mono"};

// Device contexts size fonts as if one logical unit were 1/96 inch; pages are
// laid out in 1/100 inch.
constexpr double kPointsPerUnit = 100.0 / 96.0;
// The font is measured as on a 600-dpi printer: fine enough for the cell's
// rounding, and free of the screen's hinting at small sizes.
constexpr double kMeasureScale = 6.0;
constexpr int kSampleLength = 100;

wxString PrintFace()
{
    static const wxString face = [] {
        if (wxFontEnumerator::IsValidFacename(kPrintFontFace)) return wxString(kPrintFontFace);
        for (const char* fallback : kFallbackFaces)
            if (wxFontEnumerator::IsValidFacename(fallback)) return wxString(fallback);
        return wxString();
    }();
    return face;
}

wxFont MakeFont(double points)
{
    // The family also picks Courier on PostScript devices, which know no
    // face names.
    wxFontInfo info(points);
    info.Family(wxFONTFAMILY_TELETYPE);
    if (!PrintFace().empty()) info.FaceName(PrintFace());
    wxFont font(info);
    font.SetFractionalPointSize(points);
    return font;
}

PrintFont Measure(int points)
{
    wxBitmap probe(16, 16, 24);
    wxMemoryDC dc(probe);
    dc.SetUserScale(kMeasureScale, kMeasureScale);
    const double size = points * kPointsPerUnit;
    dc.SetFont(MakeFont(size));
    wxCoord sampleWidth = 0;
    dc.GetTextExtent(wxString('M', kSampleLength), &sampleWidth, nullptr);
    const double advance = static_cast<double>(sampleWidth) / kSampleLength;

    PrintFont result;
    result.charWidth = std::max(1, static_cast<int>(std::lround(advance)));
    result.points = advance > 0 ? size * result.charWidth / advance : size;
    dc.SetFont(result.Font());
    wxCoord height = 0;
    wxCoord externalLeading = 0;
    dc.GetTextExtent("M", nullptr, &height, nullptr, &externalLeading);
    result.lineHeight = std::max(1, static_cast<int>(height + externalLeading + 1));
    return result;
}

}  // namespace

wxFont PrintFont::Font() const { return MakeFont(points); }

const PrintFont& PrintFontFor(int points)
{
    static std::map<int, PrintFont> measured;
    points = std::clamp(points, 1, 500);
    auto found = measured.find(points);
    if (found == measured.end()) found = measured.emplace(points, Measure(points)).first;
    return found->second;
}
