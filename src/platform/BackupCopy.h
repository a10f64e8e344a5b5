#pragma once
#include <string>

// A backup of a file about to be written. Prepare secures the file's current
// contents under a temporary name beside the backup; Install then puts them
// in place of any older backup, once the file is about to change or has
// changed. Installing after a replacing save keeps the release of the older
// backup out of the save's flush, and a save that fails before the file
// changes keeps the older backup.
//
// A file that is replaced whole (renamed over, or replaced by the system's
// file replacement) keeps its old bytes under any second name, so for it a
// second hard link is a faithful and cheap backup. A file that is about to
// be rewritten in place (or has other names that may be) needs a copy of its
// own: ask for one with `separateCopy`.
//
// One interface, implemented for each system in platform/posix and
// platform/win.
class CBackupCopy {
public:
    CBackupCopy() = default;
    // Removes a prepared copy that was never installed.
    ~CBackupCopy();
    CBackupCopy(const CBackupCopy&) = delete;
    CBackupCopy& operator=(const CBackupCopy&) = delete;

    // False when `path` does not exist or no copy could be made.
    bool Prepare(const std::string& path, const std::string& backupPath, bool separateCopy = false);
    // False when nothing was prepared or the rename failed.
    bool Install();
    // Removes a prepared copy; any older backup stays.
    void Discard();

private:
    std::string prepared_;
    std::string backupPath_;
    bool alreadyLinked_ = false;
};
