#pragma once
#include <cstdint>
#include <string>

#include "platform/MessageBox.h"
#include "records/RecordIndex.h"

class CAppViewBase;
class CRecordList;

// The Jump dialog without its window: its fields and the jump itself. The
// dialog copies its controls into jumpMode, jumpValue and backward first.
class CJumpLogic {
public:
    enum Mode { kSelectRecord = 0, kLongestRecord = 1, kRecordLength = 2 };

    std::int32_t jumpMode = kSelectRecord;
    // A record number (Select Record) or a length (Record Length).
    std::int64_t jumpValue = 0;
    std::int32_t backward = 0;
    // The longest record length and the record count and byte total it was
    // found with; trusted while both stay the same.
    RecordIndex cachedCount = 0;
    ByteTotal cachedTotal = 0;
    std::int32_t longestLength = 0;

    // Owner of the message box.
    WindowHandle owner = nullptr;

    bool ValueEnabled() const { return jumpMode != kLongestRecord; }
    bool DirectionEnabled() const { return jumpMode != kSelectRecord; }

    void FindLongest(const CRecordList& list);
    // Moves the caret to the next record, in the chosen direction with
    // wrap-around, whose length is `target`; the starting record never
    // counts. False with "No other records found." when there is none.
    bool SearchLength(CAppViewBase& view, const CRecordList& list, std::int64_t target);
    // The Jump button: moves the caret as the mode says and selects from it
    // to the end of its record. The caller repaints and refreshes the
    // status bar.
    void Jump(CAppViewBase& view, const CRecordList& list);
};

// The Value box's text as a number: digits only. A number beyond 64 bits is
// held to the largest, which lies past any document (and any record
// length). False (with "Please enter an integer." shown) for anything but
// digits.
bool ReadJumpValue(const std::string& text, std::int64_t& value, WindowHandle owner);
