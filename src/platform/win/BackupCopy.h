#pragma once
#include <string>

// A backup of a file about to be written, as on other systems: Prepare
// secures the file's current bytes under a temporary name beside the
// backup; Install then puts them in place of any older backup, once the file
// is about to change or has changed. A save that fails before the file
// changes keeps the older backup.
//
// A file that is replaced whole keeps its old bytes under any second name,
// so for it a second hard link is a faithful and cheap backup. A file about
// to be rewritten in place needs a copy of its own (`separateCopy`).
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
