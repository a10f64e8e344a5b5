#include "platform/posix/AtomicFileWriter.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr std::size_t kWriteBufferSize = 1 << 20;
// Writeback is started every this many bytes, so that the final sync has
// little left to wait for.
constexpr std::uint64_t kWritebackStep = 8 << 20;

// The file a path finally names: symbolic links followed when they lead
// somewhere, else the path itself.
std::string ResolveTarget(const std::string& path)
{
    struct stat info {};
    if (::lstat(path.c_str(), &info) == 0 && S_ISLNK(info.st_mode)) {
        if (char* real = ::realpath(path.c_str(), nullptr)) {
            std::string resolved(real);
            std::free(real);
            return resolved;
        }
    }
    return path;
}

// Creates a new file beside `target` under a name nobody uses; the umask
// applies to its permissions.
int CreateUniqueFile(const std::string& target, std::string* name)
{
    static unsigned serial = 0;
    for (int attempt = 0; attempt < 100; ++attempt) {
        char suffix[64];
        std::snprintf(suffix, sizeof suffix, ".tmp%ld-%u-%ld", static_cast<long>(::getpid()), ++serial,
                      static_cast<long>(std::time(nullptr) % 100000));
        *name = target + suffix;
        const int fd = ::open(name->c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

bool WriteAll(int fd, const std::uint8_t* bytes, std::size_t count)
{
    while (count > 0) {
        const ssize_t done = ::write(fd, bytes, count);
        if (done < 0 && errno == EINTR) continue;
        if (done <= 0) return false;
        bytes += done;
        count -= static_cast<std::size_t>(done);
    }
    return true;
}

void SyncFolderOf(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

}  // namespace

CAtomicFileWriter::~CAtomicFileWriter() { Abandon(); }

bool CAtomicFileWriter::Begin(const std::string& path, const std::string& permissionsFrom)
{
    Abandon();
    target_ = ResolveTarget(path);
    struct stat old {};
    const bool replacing = ::stat(target_.c_str(), &old) == 0;
    // A read-only file stays as it is, though its folder would let us
    // replace it.
    if (replacing && (!S_ISREG(old.st_mode) || ::access(target_.c_str(), W_OK) != 0)) return false;
    handle_ = CreateUniqueFile(target_, &temp_);
    if (handle_ < 0) return false;
    struct stat model {};
    if (!permissionsFrom.empty() && ::stat(permissionsFrom.c_str(), &model) == 0) {
        ::fchmod(handle_, model.st_mode & 07777);
    } else if (replacing) {
        if (::fchown(handle_, old.st_uid, old.st_gid) != 0) {
            // Not allowed to give the file away: it stays ours.
        }
        ::fchmod(handle_, old.st_mode & 07777);
    }
    buffer_ = std::make_unique<std::uint8_t[]>(kWriteBufferSize);
    capacity_ = kWriteBufferSize;
    used_ = 0;
    written_ = syncedUpTo_ = 0;
    failed_ = false;
    return true;
}

bool CAtomicFileWriter::Flush()
{
    if (failed_ || handle_ < 0) return false;
    if (used_ > 0 && !WriteAll(handle_, buffer_.get(), used_)) failed_ = true;
    written_ += used_;
    used_ = 0;
#ifdef SYNC_FILE_RANGE_WRITE
    if (!failed_ && written_ - syncedUpTo_ >= kWritebackStep) {
        ::sync_file_range(handle_, static_cast<off_t>(syncedUpTo_), static_cast<off_t>(written_ - syncedUpTo_),
                          SYNC_FILE_RANGE_WRITE);
        syncedUpTo_ = written_;
    }
#endif
    return !failed_;
}

bool CAtomicFileWriter::WriteSlow(const std::uint8_t* bytes, std::size_t count)
{
    if (!buffer_) return false;
    while (count > 0 && !failed_) {
        if (used_ == capacity_ && !Flush()) break;
        const std::size_t part = count < capacity_ - used_ ? count : capacity_ - used_;
        std::memcpy(buffer_.get() + used_, bytes, part);
        used_ += part;
        bytes += part;
        count -= part;
    }
    return !failed_;
}

bool CAtomicFileWriter::Commit()
{
    if (handle_ < 0) return false;
    bool ok = Flush() && ::fsync(handle_) == 0;
    ok = ::close(handle_) == 0 && ok;
    handle_ = -1;
    ok = ok && ::rename(temp_.c_str(), target_.c_str()) == 0;
    if (!ok) {
        ::unlink(temp_.c_str());
    } else {
        SyncFolderOf(target_);
    }
    temp_.clear();
    buffer_.reset();
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
    buffer_.reset();
    capacity_ = used_ = 0;
}

namespace {

bool CopyInto(const std::string& source, CAtomicFileWriter& out)
{
    const int fd = ::open(source.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    const auto chunk = std::make_unique<std::uint8_t[]>(kWriteBufferSize);
    bool ok = true;
    for (;;) {
        const ssize_t got = ::read(fd, chunk.get(), kWriteBufferSize);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) ok = false;
        if (got <= 0) break;
        if (!out.Write(chunk.get(), static_cast<std::size_t>(got))) {
            ok = false;
            break;
        }
    }
    ::close(fd);
    return ok;
}

}  // namespace

CBackupCopy::~CBackupCopy()
{
    if (!prepared_.empty()) ::unlink(prepared_.c_str());
}

bool CBackupCopy::Prepare(const std::string& path, const std::string& backupPath)
{
    const std::string source = ResolveTarget(path);
    struct stat info {};
    if (::stat(source.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return false;
    backupPath_ = backupPath;
    struct stat existing {};
    if (::stat(backupPath.c_str(), &existing) == 0 && existing.st_dev == info.st_dev &&
        existing.st_ino == info.st_ino) {
        inPlace_ = true;  // the backup already is this very file
        return true;
    }
    std::string temp;
    const int fd = CreateUniqueFile(backupPath, &temp);
    if (fd < 0) return false;
    ::close(fd);
    if (info.st_nlink == 1) {
        ::unlink(temp.c_str());
        if (::link(source.c_str(), temp.c_str()) == 0) {
            prepared_ = temp;
            return true;
        }
    }
    CAtomicFileWriter copy;
    if (copy.Begin(temp, source) && CopyInto(source, copy) && copy.Commit()) {
        prepared_ = temp;
        return true;
    }
    ::unlink(temp.c_str());
    return false;
}

bool CBackupCopy::Install()
{
    if (inPlace_) {
        inPlace_ = false;
        return true;
    }
    if (prepared_.empty()) return false;
    const bool ok = ::rename(prepared_.c_str(), backupPath_.c_str()) == 0;
    if (!ok) ::unlink(prepared_.c_str());
    prepared_.clear();
    return ok;
}
