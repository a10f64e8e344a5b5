#pragma once

// Where the caret sits in the data pane's client area: cells start 5 pixels
// from the left edge, and the caret's top 2 pixels below the top edge (the
// text itself one pixel lower).
inline constexpr int kCaretLeft = 5;
inline constexpr int kCaretTop = 2;
// The caret's width in insert mode; in overwrite mode it covers a cell.
inline constexpr int kInsertCaretWidth = 2;
// A column past the end of any record ("the end of the record").
inline constexpr int kEndOfRecordColumn = 65535;
