#include "view/wx/ViewFonts.h"

#include <wx/dc.h>
#include <wx/fontenum.h>

#include "view/AppViewBase.h"

namespace {

// Preferred first; every later one is a fixed-pitch face common on Linux.
const char* const kFixedFaces[] = {"Lucida Console", "DejaVu Sans Mono", "Liberation Mono",
                                   "Noto Mono", "Nimbus Mono PS"};

wxFont FixedFont(int points)
{
    for (const char* face : kFixedFaces) {
        if (wxFontEnumerator::IsValidFacename(face)) return wxFont(wxFontInfo(points).FaceName(face));
    }
    return wxFont(wxFontInfo(points).Family(wxFONTFAMILY_TELETYPE));
}

}  // namespace

ViewFonts CreateViewFonts()
{
    return ViewFonts{FixedFont(10), FixedFont(8)};
}

void MeasureViewFonts(wxDC& dc, const ViewFonts& fonts, CAppViewBase& view)
{
    dc.SetFont(fonts.smallFont);
    view.smallCharWidth = dc.GetCharWidth();
    view.smallCharHeight = dc.GetCharHeight();
    dc.SetFont(fonts.textFont);
    wxCoord height = 0;
    wxCoord externalLeading = 0;
    dc.GetTextExtent("M", nullptr, &height, nullptr, &externalLeading);
    view.charWidth = dc.GetCharWidth();
    view.charHeight = height + externalLeading;
    view.lineWidth = 7 * view.smallCharWidth;
}
