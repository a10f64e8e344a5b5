#include "view/LineNumbers.h"

#include <cstdio>

#include "view/AppViewBase.h"

std::string LineNumberText(RecordIndex n)
{
    char text[16];
    if (n < 100000)
        std::snprintf(text, sizeof text, "%5d", static_cast<int>(n));
    else
        std::snprintf(text, sizeof text, "%05d", static_cast<int>(n % 100000));
    return text;
}

std::vector<LineNumberLabel> LineNumberLabels(const CAppViewBase& view, RecordIndex recordCount)
{
    std::vector<LineNumberLabel> labels;
    const int x = (view.lineWidth - 5 * view.smallCharWidth - 2) / 2;
    int y = (view.charHeight - view.smallCharHeight) / 2 + 5;
    const int rows = view.rowsPerRecord;
    RecordIndex n = view.topRow / rows + 1;
    int s = static_cast<int>(view.topRow % rows);
    for (int i = 0; i < view.pageRows && n <= recordCount; ++i) {
        if (s == 0) labels.push_back({x, y, LineNumberText(n)});
        y += view.charHeight;
        if (++s == rows) {
            s = 0;
            ++n;
        }
    }
    return labels;
}
