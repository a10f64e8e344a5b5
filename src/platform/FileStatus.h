#pragma once
#include <cstdint>
#include <string>

#include "platform/FileHandle.h"

// What the program records about a document's file: which file it is, its
// size and its three times in seconds since 1970. All zero for a document
// without a file.
struct FileStatus {
    std::int64_t size = 0;
    std::int64_t accessTime = 0;
    std::int64_t modifyTime = 0;
    std::int64_t createTime = 0;
    // Finer part of modifyTime, to notice a file that changes within a second.
    std::uint32_t modifyNanoseconds = 0;
    // The file itself: device and inode (on Windows the volume's serial
    // number and the file index), which a file put in its place by a rename
    // does not share.
    std::uint64_t device = 0;
    std::uint64_t fileIndex = 0;
};

// True when both describe the same contents as far as the status tells:
// the same file, of the same size, with the same modification time to the
// nanosecond.
[[nodiscard]] inline bool SameContentsStatus(const FileStatus& a, const FileStatus& b)
{
    return a.device == b.device && a.fileIndex == b.fileIndex && a.size == b.size &&
           a.modifyTime == b.modifyTime && a.modifyNanoseconds == b.modifyNanoseconds;
}

// Reads the status of an open file. The creation time is the file's birth
// time where the file system keeps one, else its last status change.
[[nodiscard]] bool ReadFileStatus(FileHandle handle, FileStatus* status);
// The same for the file a path names (links followed).
[[nodiscard]] bool ReadFileStatus(const std::string& path, FileStatus* status);
