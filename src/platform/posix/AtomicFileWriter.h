#pragma once
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>

// Replaces a file whole or not at all: the bytes go to a temporary file
// beside the target, which is renamed over the target only once every byte
// is written and flushed to disk. A symbolic link is followed, so the file
// it names is replaced and the link stays. The new file keeps the old one's
// permission bits (and owner, where allowed) and a new one gets 0666 less
// the umask, unless another file is named to take the permission bits from.
class CAtomicFileWriter {
public:
    CAtomicFileWriter() = default;
    // Abandons a file that was not committed.
    ~CAtomicFileWriter();
    CAtomicFileWriter(const CAtomicFileWriter&) = delete;
    CAtomicFileWriter& operator=(const CAtomicFileWriter&) = delete;

    // Creates the temporary file for `path`. False when it cannot be made
    // (no such folder, no permission, or `path` is not a regular file).
    bool Begin(const std::string& path, const std::string& permissionsFrom = {});

    // Buffered; false once any write has failed.
    bool Write(const void* bytes, std::size_t count)
    {
        if (count <= capacity_ - used_) {
            std::memcpy(buffer_.get() + used_, bytes, count);
            used_ += count;
            return !failed_;
        }
        return WriteSlow(static_cast<const std::uint8_t*>(bytes), count);
    }

    // Flushes, syncs and renames over the target. On failure the temporary
    // file is removed and the target is as it was.
    bool Commit();
    // Removes the temporary file; the target stays as it was.
    void Abandon();

    // The file that is (or will be) replaced, after following links.
    const std::string& Target() const { return target_; }

private:
    bool WriteSlow(const std::uint8_t* bytes, std::size_t count);
    bool Flush();

    std::string target_;
    std::string temp_;
    int handle_ = -1;
    std::unique_ptr<std::uint8_t[]> buffer_;
    std::size_t capacity_ = 0;
    std::size_t used_ = 0;
    std::uint64_t written_ = 0;
    std::uint64_t syncedUpTo_ = 0;
    bool failed_ = false;
};

// A backup of a file about to be replaced. Prepare secures the file's
// current contents under a temporary name beside the backup; Install then
// puts them in place of any older backup. Installing last keeps the release
// of the older backup out of the save's flush. Since CAtomicFileWriter never
// rewrites a file in place, a second link to the old file is a faithful
// backup; where no link can be made (or the file has other names that may be
// rewritten in place) the bytes are copied.
class CBackupCopy {
public:
    CBackupCopy() = default;
    // Removes a prepared copy that was never installed.
    ~CBackupCopy();
    CBackupCopy(const CBackupCopy&) = delete;
    CBackupCopy& operator=(const CBackupCopy&) = delete;

    // False when `path` does not exist or no copy could be made.
    bool Prepare(const std::string& path, const std::string& backupPath);
    // False when nothing was prepared or the rename failed.
    bool Install();

private:
    std::string prepared_;
    std::string backupPath_;
    bool inPlace_ = false;
};
