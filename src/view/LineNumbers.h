#pragma once
#include <string>
#include <vector>

#include "records/RecordIndex.h"

class CAppViewBase;

// The five-character number of the record with 1-based number n: "%5d", or
// "%05d" of n % 100000 once n has six digits (so past 32 bits too).
std::string LineNumberText(RecordIndex n);

struct LineNumberLabel {
    int x = 0;
    int y = 0;
    std::string text;
};

// The numbers the line-number pane shows, at their text origins: one per
// record on screen, on its first (character) row.
std::vector<LineNumberLabel> LineNumberLabels(const CAppViewBase& view, RecordIndex recordCount);
