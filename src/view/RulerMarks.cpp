#include "view/RulerMarks.h"

#include "view/AppViewBase.h"
#include "view/DisplayColumns.h"
#include "view/RecordAccess.h"

std::vector<RulerMark> RulerMarks(const CAppViewBase& view, const std::uint8_t* data, int length)
{
    std::vector<RulerMark> marks;
    const int height = view.rulerHeight;
    const int shortTop = static_cast<int>(height * 0.75);
    const int longTop = height / 2;
    const int bottom = height - 2;
    const int digitY = (height - view.smallCharHeight) / 2;
    int x = view.smallCharWidth / 2 - view.charWidth + 5;
    ColumnWalker walker(data, length, view.TabWidth());
    for (int c = 0; c < view.pageCols; ++c) {
        x += view.charWidth;
        const int column = view.leftCol + c;
        const int b = walker.ByteAt(column);
        if (b > length) break;
        if (walker.StartColumn() > column) continue;  // inside a tab's expansion
        const int k = b + 1;
        RulerMark mark;
        mark.x = x;
        mark.tickBottom = bottom;
        if (k % 10 == 0 && c != 0) {
            mark.digit = static_cast<char>('0' + (k / 10) % 10);
            mark.digitX = x - 4;
            mark.digitY = digitY;
            mark.tickTop = shortTop;
        } else {
            mark.tickTop = k % 5 == 0 ? longTop : shortTop;
        }
        marks.push_back(mark);
    }
    return marks;
}

std::vector<RulerMark> CaretRulerMarks(const CAppViewBase& view)
{
    return RulerMarks(view, view_records::Bytes(view.caretNode), view_records::Length(view.caretNode));
}
