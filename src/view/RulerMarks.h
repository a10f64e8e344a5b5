#pragma once
#include <cstdint>
#include <vector>

class CAppViewBase;

// One tick of the ruler: a vertical line at x from tickTop down to (not
// including) tickBottom, with the tens digit of its byte position on every
// tenth position.
struct RulerMark {
    int x = 0;
    int tickTop = 0;
    int tickBottom = 0;
    char digit = 0;  // 0: none
    int digitX = 0;
    int digitY = 0;
};

// The ruler's ticks for the caret record (its bytes and length): one per byte
// position up to the one just past the end, within the visible columns.
std::vector<RulerMark> RulerMarks(const CAppViewBase& view, const std::uint8_t* data, int length);

// The same for the view's caret record.
std::vector<RulerMark> CaretRulerMarks(const CAppViewBase& view);
