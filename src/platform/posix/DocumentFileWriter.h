#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/BackupCopy.h"
#include "platform/BufferedOutput.h"
#include "platform/posix/AtomicFileWriter.h"

// Writes a document's file without ever refusing a file the user may write
// and without losing one. Where it keeps everything about the file, the
// bytes go to a temporary file that replaces the old one by a rename. The
// file is rewritten in place instead when the folder refuses new files, when
// the file has other hard links (a rename would leave them the old bytes),
// or when a new file could not take the old one's owner and group. In place,
// the new size is reserved first, so that a full disk refuses the save
// before any byte of the file changes; the file keeps its inode, owner,
// group, permissions and links.
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
    // changes). `permissionsFrom` names a file whose permission bits a new
    // file takes. False when the file cannot be written at all.
    bool Begin(const std::string& path, const std::string& permissionsFrom, const std::string& backupPath,
               bool backupRequired = false);
    bool InPlace() const { return inPlace_; }
    // Must come before the first Write of an in-place save: reserves room for
    // `size` bytes; false, with nothing changed, when the disk cannot hold
    // them. Also puts the backup in place, so that the in-place write never
    // writes through a backup that shares the file. A replacing save needs
    // no reservation and answers true.
    bool Reserve(std::uint64_t size);

    bool Write(const void* bytes, std::size_t count)
    {
        return inPlace_ ? out_.Write(bytes, count) : replacer_.Write(bytes, count);
    }
    // Flushes and syncs the bytes; a replacing save renames, an in-place one
    // cuts the file to the bytes written. A replacing save installs the
    // backup once the rename succeeded (a required one just before it).
    bool Commit();
    // Gives up: removes a temporary file. A file not yet changed keeps its
    // older backup; an in-place write that failed part-way has its backup.
    void Abandon();

private:
    bool BeginInPlace(const std::string& permissionsFrom);
    void CloseInPlace();

    std::string target_;
    std::string backupPath_;
    CAtomicFileWriter replacer_;
    CBackupCopy backup_;
    CBufferedOutput out_;
    int handle_ = -1;
    std::uint64_t oldSize_ = 0;
    bool inPlace_ = false;
    bool reserved_ = false;
    bool backupRequired_ = false;
};
