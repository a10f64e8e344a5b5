#pragma once
#include <cstdint>
#include <string>

// The checks of the "Advance Clipboard" dialog, without the toolkit.

// Reads an entry as a 64-bit integer: blanks around it, an optional sign,
// then digits. False for anything else. A number beyond 64 bits is held to
// the largest (or smallest): past the document either way.
bool ParseRecordEntry(const std::string& text, std::int64_t& value);

// The check of the Copy and Cut buttons on the two numbers (counted from 1;
// an end of 0 stands for the last record). Every message that applies is
// shown, in order: an invalid start, an invalid end, a reversed range, then
// the question whether the end may become the last record, whose Cancel
// fails the check at once and whose OK sets endRecord to recordCount.
// Finally a start beyond the last record is refused: it would make a
// reversed range. True when the range may be transferred.
#include "platform/MessageBox.h"

bool ValidateRange(std::int64_t& startRecord, std::int64_t& endRecord, std::int64_t recordCount,
                   WindowHandle owner = nullptr);
