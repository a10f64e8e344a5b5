#pragma once

// For the start-up benchmark: when TABULON_FIRST_PAINT_FILE names a file,
// the first paint of the data pane that shows a file's records writes the
// monotonic clock's time (seconds) into it. Costs one check per paint.
void NoteDataPanePainted(bool showsFileRecords);
