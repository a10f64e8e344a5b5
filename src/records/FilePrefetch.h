#pragma once
#include <string>

#include "platform/FileStatus.h"

class CFileImage;

// Reads the file the program was started with on a worker thread, while the
// user interface starts, so that opening it finds its bytes read already.
// The bytes are kept only for the first open: any open takes them or drops
// them.

// Starts reading `path` (canonical) in the background; once per program.
void StartFilePrefetch(const std::string& path);

// The image read in the background when it is of `path` (canonical), was
// read whole, and the file still has `status` (size and modification time):
// held once by the caller. Null otherwise. Waits for a read still running.
// Any prefetched bytes are given up either way.
[[nodiscard]] CFileImage* TakePrefetchedImage(const std::string& path, const FileStatus& status);
