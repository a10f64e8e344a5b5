#include "platform/posix/DocumentFileWriter.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/posix/PosixFiles.h"

namespace {

// More names than the file itself and our own backup, which a rename would
// leave holding the old bytes.
bool HasOtherLinks(const std::string& target, const struct stat& info, const std::string& backupPath)
{
    nlink_t links = info.st_nlink;
    if (!backupPath.empty() && SameFile(backupPath, target)) --links;
    return links > 1;
}

// Reserves blocks for `size` bytes without changing the file's length where
// the file system can; else by growing the file, cut back on failure.
bool ReserveSpace(int handle, std::uint64_t oldSize, std::uint64_t size)
{
    if (size == 0) return true;
#ifdef FALLOC_FL_KEEP_SIZE
    if (::fallocate(handle, FALLOC_FL_KEEP_SIZE, 0, static_cast<off_t>(size)) == 0) return true;
    if (errno != EOPNOTSUPP && errno != ENOSYS) return false;
#endif
    const int failed = ::posix_fallocate(handle, 0, static_cast<off_t>(size));
    if (failed == 0) return true;
    if (::ftruncate(handle, static_cast<off_t>(oldSize)) != 0) {
        // Only zeros past the old end were added; the save reports failure.
    }
    return false;
}

}  // namespace

CDocumentFileWriter::~CDocumentFileWriter() { Abandon(); }

bool CDocumentFileWriter::Begin(const std::string& path, const std::string& permissionsFrom,
                                const std::string& backupPath, bool backupRequired)
{
    Abandon();
    target_ = ResolveLinkTarget(path);
    backupPath_ = backupPath;
    backupRequired_ = backupRequired && !backupPath.empty();
    inPlace_ = reserved_ = false;
    struct stat info {};
    const bool exists = ::stat(target_.c_str(), &info) == 0;
    if (exists && (!S_ISREG(info.st_mode) || ::access(target_.c_str(), W_OK) != 0)) return false;

    if (!(exists && HasOtherLinks(target_, info, backupPath))) {
        switch (replacer_.Begin(target_, permissionsFrom, true)) {
        case CAtomicFileWriter::Outcome::Ready:
            if (!backupPath.empty() && !backup_.Prepare(target_, backupPath) && backupRequired_) {
                // A file gone meanwhile has nothing to keep.
                if (::access(target_.c_str(), F_OK) == 0) {
                    Abandon();
                    return false;
                }
                backupRequired_ = false;
            }
            return true;
        case CAtomicFileWriter::Outcome::FolderRefused:
        case CAtomicFileWriter::Outcome::OwnerNotKept:
            break;
        case CAtomicFileWriter::Outcome::Failed:
            return false;
        }
    }
    return BeginInPlace(permissionsFrom);
}

bool CDocumentFileWriter::BeginInPlace(const std::string& permissionsFrom)
{
    // Opened without truncation: nothing changes before Reserve.
    handle_ = ::open(target_.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC | O_NOCTTY, 0666);
    if (handle_ < 0) return false;
    struct stat info {};
    if (::fstat(handle_, &info) != 0 || !S_ISREG(info.st_mode)) {
        CloseInPlace();
        return false;
    }
    if (info.st_size == 0 && !permissionsFrom.empty()) {
        struct stat model {};
        if (::stat(permissionsFrom.c_str(), &model) == 0) ::fchmod(handle_, model.st_mode & 07777);
    }
    oldSize_ = static_cast<std::uint64_t>(info.st_size);
    inPlace_ = true;
    if (!backupPath_.empty() && !backup_.Prepare(target_, backupPath_, true) && backupRequired_) {
        CloseInPlace();
        return false;
    }
    return true;
}

bool CDocumentFileWriter::Reserve(std::uint64_t size)
{
    if (!inPlace_) return true;
    if (handle_ < 0 || reserved_) return false;
    if (!ReserveSpace(handle_, oldSize_, size)) return false;
    if (!backupPath_.empty()) {
        const bool installed = backup_.Install();
        // A backup that could not be copied must not share the file, or the
        // write below would change it too.
        if ((backupRequired_ && !installed) ||
            (SameFile(backupPath_, target_) && ::unlink(backupPath_.c_str()) != 0)) {
            if (::ftruncate(handle_, static_cast<off_t>(oldSize_)) != 0) {
                // Only reserved room past the old end is given back.
            }
            return false;
        }
    }
    reserved_ = true;
    out_.Start(handle_);
    return true;
}

bool CDocumentFileWriter::Commit()
{
    if (!inPlace_) {
        // A required backup goes in place first: the file must not change
        // without it.
        if (backupRequired_ && !backup_.Install()) {
            Abandon();
            return false;
        }
        const bool ok = replacer_.Commit();
        if (ok && !backupPath_.empty() && !backupRequired_) backup_.Install();
        Abandon();
        return ok;
    }
    if (handle_ < 0 || !reserved_) {
        Abandon();
        return false;
    }
    bool ok = out_.Flush();
    ok = ok && ::ftruncate(handle_, static_cast<off_t>(out_.Total())) == 0;
    ok = ok && ::fsync(handle_) == 0;
    ok = ::close(handle_) == 0 && ok;
    handle_ = -1;
    out_.Stop();
    return ok;
}

void CDocumentFileWriter::Abandon()
{
    // A replaced file that was not replaced, or an in-place one not yet
    // touched, still holds its bytes: the older backup stays. Once an
    // in-place write has begun, the backup is already in place.
    replacer_.Abandon();
    CloseInPlace();
    backup_.Discard();
    backupPath_.clear();
    backupRequired_ = false;
}

void CDocumentFileWriter::CloseInPlace()
{
    if (handle_ >= 0) {
        ::close(handle_);
        handle_ = -1;
    }
    out_.Stop();
}
