#pragma once
#include <cstddef>
#include <string>

#include "platform/BufferedOutput.h"

// Replaces a file whole or not at all: the bytes go to a temporary file
// beside the target, which is renamed over the target only once every byte
// is written and flushed to disk. A symbolic link is followed, so the file
// it names is replaced and the link stays. The new file keeps the old one's
// permission bits (and owner, where allowed) and a new one gets 0666 less
// the umask, unless another file is named to take the permission bits from.
class CAtomicFileWriter {
public:
    enum class Outcome {
        Ready,
        // The folder refused the temporary file for lack of permission.
        FolderRefused,
        // The temporary file could not be given the old file's owner or group
        // (asked for with keepOwner); it has been removed again.
        OwnerNotKept,
        // Anything else: no such folder, a full disk, `path` not a regular
        // file or not writable.
        Failed,
    };

    CAtomicFileWriter() = default;
    // Abandons a file that was not committed.
    ~CAtomicFileWriter();
    CAtomicFileWriter(const CAtomicFileWriter&) = delete;
    CAtomicFileWriter& operator=(const CAtomicFileWriter&) = delete;

    // Creates the temporary file for `path`.
    Outcome Begin(const std::string& path, const std::string& permissionsFrom = {}, bool keepOwner = false);

    // Buffered; false once any write has failed.
    bool Write(const void* bytes, std::size_t count) { return out_.Write(bytes, count); }

    // Flushes, syncs and renames over the target. On failure the temporary
    // file is removed and the target is as it was.
    bool Commit();
    // Removes the temporary file; the target stays as it was.
    void Abandon();

    // The file that is (or will be) replaced, after following links.
    const std::string& Target() const { return target_; }

private:
    std::string target_;
    std::string temp_;
    int handle_ = -1;
    CBufferedOutput out_;
};
