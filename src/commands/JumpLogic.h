#pragma once
#include <cstdint>
#include <string>

#include "platform/MessageBox.h"

class CAppViewBase;
class CRecordList;

// The Jump dialog without its window: its fields and the jump itself. The
// dialog copies its controls into jumpMode, jumpValue and backward first.
class CJumpLogic {
public:
    enum Mode { kSelectRecord = 0, kLongestRecord = 1, kRecordLength = 2 };

    std::int32_t jumpMode = kSelectRecord;
    std::int32_t jumpValue = 0;
    std::int32_t backward = 0;
    // The longest record length and the record count and byte total it was
    // found with; trusted while both stay the same.
    std::int32_t cachedCount = 0;
    std::int32_t cachedTotal = 0;
    std::int32_t longestLength = 0;

    // Owner of the message box.
    WindowHandle owner = nullptr;

    bool ValueEnabled() const { return jumpMode != kLongestRecord; }
    bool DirectionEnabled() const { return jumpMode != kSelectRecord; }

    void FindLongest(const CRecordList& list);
    // Moves the caret to the next record, in the chosen direction with
    // wrap-around, whose length is `target`; the starting record never
    // counts. False with "No other records found." when there is none.
    bool SearchLength(CAppViewBase& view, const CRecordList& list, std::int32_t target);
    // The Jump button: moves the caret as the mode says and selects from it
    // to the end of its record. The caller repaints and refreshes the
    // status bar.
    void Jump(CAppViewBase& view, const CRecordList& list);
};

// The Value box's text as a number: digits only, within 32 bits. False
// (with "Please enter an integer." shown) otherwise.
bool ReadJumpValue(const std::string& text, std::int32_t& value, WindowHandle owner);
