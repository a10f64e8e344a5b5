#pragma once
#include <cstdint>

#include "records/RecordIndex.h"

// A row of the data pane counted from the document's first: records times
// rows per record (three in hex view), so it passes 32 bits long before the
// record count does.
using DisplayRow = std::int64_t;
