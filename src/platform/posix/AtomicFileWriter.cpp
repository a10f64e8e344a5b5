#include "platform/posix/AtomicFileWriter.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/posix/PosixFiles.h"

CAtomicFileWriter::~CAtomicFileWriter() { Abandon(); }

CAtomicFileWriter::Outcome CAtomicFileWriter::Begin(const std::string& path, const std::string& permissionsFrom,
                                                    bool keepOwner)
{
    Abandon();
    target_ = ResolveLinkTarget(path);
    struct stat old {};
    const bool replacing = ::stat(target_.c_str(), &old) == 0;
    // A read-only file stays as it is, though its folder would let us
    // replace it.
    if (replacing && (!S_ISREG(old.st_mode) || ::access(target_.c_str(), W_OK) != 0)) return Outcome::Failed;
    handle_ = CreateUniqueFile(target_, &temp_);
    if (handle_ < 0) {
        temp_.clear();
        return errno == EACCES || errno == EPERM ? Outcome::FolderRefused : Outcome::Failed;
    }
    struct stat model {};
    if (!permissionsFrom.empty() && ::stat(permissionsFrom.c_str(), &model) == 0) {
        ::fchmod(handle_, model.st_mode & 07777);
    } else if (replacing) {
        struct stat made {};
        const bool sameOwner = ::fstat(handle_, &made) == 0 && made.st_uid == old.st_uid && made.st_gid == old.st_gid;
        if (!sameOwner && ::fchown(handle_, old.st_uid, old.st_gid) != 0 && keepOwner) {
            Abandon();
            return Outcome::OwnerNotKept;
        }
        // Without keepOwner a file we may not give away simply stays ours.
        ::fchmod(handle_, old.st_mode & 07777);
    }
    out_.Start(handle_);
    return Outcome::Ready;
}

bool CAtomicFileWriter::Commit()
{
    if (handle_ < 0) return false;
    bool ok = out_.Flush() && ::fsync(handle_) == 0;
    ok = ::close(handle_) == 0 && ok;
    handle_ = -1;
    ok = ok && ::rename(temp_.c_str(), target_.c_str()) == 0;
    if (!ok) {
        ::unlink(temp_.c_str());
    } else {
        SyncFolderOf(target_);
    }
    temp_.clear();
    out_.Stop();
    return ok;
}

void CAtomicFileWriter::Abandon()
{
    if (handle_ >= 0) {
        ::close(handle_);
        handle_ = -1;
    }
    if (!temp_.empty()) {
        ::unlink(temp_.c_str());
        temp_.clear();
    }
    out_.Stop();
}
