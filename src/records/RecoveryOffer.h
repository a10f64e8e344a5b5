#pragma once
#include <cstdint>
#include <string>

#include "records/DocumentRecords.h"

// Opening a document whose autosave copy was left behind by a session that
// ended without cleaning up (a crash, a killed program): the user is asked
// "An autosave copy of ... Open the copy instead of the file?" first. A
// copy whose lock another running instance holds is not offered: that
// instance is writing it. The records made here hold the instance lock of
// their document.

// OpenRecords for File > Open, the command line and the shell, with the
// offer of the file's copy. Yes reads the copy under the file's name with
// the file's own open request (AUTO: as detected on the file) and marks
// the result recovered; the copy then counts as the document's own. No
// reads the file and moves the copy aside to a stamped name, telling the
// user where; a copy that cannot be moved stays, and the document's own
// copies then go elsewhere.
[[nodiscard]] OpenedRecords OpenOfferingCopy(const std::string& path, std::uint16_t flags, std::int32_t width,
                                             IProgressSink* progress = nullptr);
// NewUntitledRecords for the start of the program, with the same offer of
// "Untitled.tbsav" in the current folder, shown as `untitledName`; Yes gives
// an untitled document holding the copy's records.
[[nodiscard]] OpenedRecords NewOfferingCopy(const std::string& untitledName, IProgressSink* progress = nullptr);
