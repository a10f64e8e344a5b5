#pragma once
#include <cstdint>

struct RecordNode;

// The editor view's state and every operation on it that needs no toolkit:
// caret, selection, scroll position and display modes. The wx view derives
// from it and adds the panes.
class CAppViewBase {
public:
    CAppViewBase() = default;
    virtual ~CAppViewBase() = default;

    std::int32_t lineWidth = 42;
    std::int32_t rulerHeight = 20;
    std::int32_t dataWidth = 0;
    std::int32_t dataHeight = 0;
    std::int32_t smallCharWidth = 0;
    std::int32_t smallCharHeight = 0;
    std::int32_t charWidth = 0;
    std::int32_t charHeight = 0;

    bool insertMode = true;
    bool sourceMode = false;
    bool asciiView = true;
    std::int16_t rowsPerRecord = 1;

    std::int32_t caretCol = 0;
    std::int32_t caretRow = 0;
    std::int32_t caretByte = 0;
    std::int32_t caretRecord = 0;
    std::int32_t leftCol = 0;
    std::int32_t topRow = 0;
    std::int32_t topRecord = 0;
    std::int32_t pageCols = 1;
    std::int32_t pageRows = 1;
    std::int32_t selStartRecord = 0;
    std::int32_t selStartByte = 0;
    std::int32_t selEndRecord = 0;
    std::int32_t selEndByte = 0;
    RecordNode* caretNode = nullptr;
    RecordNode* topNode = nullptr;
    RecordNode* selStartNode = nullptr;
    RecordNode* selEndNode = nullptr;
    bool selAnchorAtStart = true;
};
