#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/BackupCopy.h"
#include "platform/BufferedOutput.h"

// Writes a document's file without ever refusing a file the user may write
// and without losing one, with the interface of the other systems' writer.
// The bytes go to a temporary file beside the old one, which then takes the
// old one's place through ReplaceFileW (keeping its attributes, access
// rules and creation time), or MoveFileExW for a new file. The file is
// rewritten in place instead when the folder refuses new files or when the
// file has other hard links (a replacement would leave them the old bytes).
// In place, room for the new size is reserved first, so that a full disk
// refuses the save before any byte of the file changes.
class CDocumentFileWriter {
public:
    CDocumentFileWriter() = default;
    // Abandons a save that was not committed.
    ~CDocumentFileWriter();
    CDocumentFileWriter(const CDocumentFileWriter&) = delete;
    CDocumentFileWriter& operator=(const CDocumentFileWriter&) = delete;

    // Settles how `path` is written and, with a `backupPath`, secures the old
    // file's bytes for the backup (a backup that cannot be made does not stop
    // the save, unless `backupRequired`: then the save fails before the file
    // changes). `permissionsFrom` names a file whose access rules a new
    // file takes. False when the file cannot be written at all (a folder, a
    // read-only file, one another program holds locked).
    bool Begin(const std::string& path, const std::string& permissionsFrom, const std::string& backupPath,
               bool backupRequired = false);
    bool InPlace() const { return inPlace_; }
    // Must come before the first Write of an in-place save: reserves room for
    // `size` bytes; false, with nothing changed, when the disk cannot hold
    // them. Also puts the backup in place. A replacing save answers true.
    bool Reserve(std::uint64_t size);

    bool Write(const void* bytes, std::size_t count) { return out_.Write(bytes, count); }
    // Flushes the bytes to the disk; a replacing save then replaces the file
    // and installs the backup (a required one before the replacement), an
    // in-place one cuts the file to the bytes written.
    bool Commit();
    // Gives up: removes a temporary file. A file not yet changed keeps its
    // older backup; an in-place write that failed part-way has its backup.
    void Abandon();

private:
    bool BeginInPlace(const std::string& permissionsFrom);
    bool Replace();
    void CloseOutput();

    std::string target_;
    std::string temp_;
    std::string backupPath_;
    CBackupCopy backup_;
    CBufferedOutput out_;
    void* handle_ = nullptr;  // the temporary file, or the file itself in place
    std::uint64_t oldSize_ = 0;
    bool existed_ = false;
    bool keepNewRules_ = false;  // the new file's access rules win over the old file's
    bool inPlace_ = false;
    bool reserved_ = false;
    bool backupRequired_ = false;
};
