#include "platform/BackupCopy.h"

#include <cerrno>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/posix/AtomicFileWriter.h"
#include "platform/posix/PosixFiles.h"

namespace {

constexpr std::size_t kChunk = 1 << 20;

bool CopyInto(const std::string& source, CAtomicFileWriter& out)
{
    const int fd = ::open(source.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    const auto chunk = std::make_unique<std::uint8_t[]>(kChunk);
    bool ok = true;
    for (;;) {
        const ssize_t got = ::read(fd, chunk.get(), kChunk);
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

CBackupCopy::~CBackupCopy() { Discard(); }

void CBackupCopy::Discard()
{
    if (!prepared_.empty()) ::unlink(prepared_.c_str());
    prepared_.clear();
    alreadyLinked_ = false;
}

bool CBackupCopy::Prepare(const std::string& path, const std::string& backupPath, bool separateCopy)
{
    const std::string source = ResolveLinkTarget(path);
    struct stat info {};
    if (::stat(source.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return false;
    backupPath_ = backupPath;
    if (!separateCopy && SameFile(backupPath, source)) {
        alreadyLinked_ = true;  // the backup already is this very file
        return true;
    }
    std::string temp;
    const int fd = CreateUniqueFile(backupPath, &temp);
    if (fd < 0) return false;
    ::close(fd);
    if (!separateCopy && info.st_nlink == 1) {
        ::unlink(temp.c_str());
        if (::link(source.c_str(), temp.c_str()) == 0) {
            prepared_ = temp;
            return true;
        }
    }
    CAtomicFileWriter copy;
    if (copy.Begin(temp, source) == CAtomicFileWriter::Outcome::Ready && CopyInto(source, copy) && copy.Commit()) {
        prepared_ = temp;
        return true;
    }
    ::unlink(temp.c_str());
    return false;
}

bool CBackupCopy::Install()
{
    if (alreadyLinked_) {
        alreadyLinked_ = false;
        return true;
    }
    if (prepared_.empty()) return false;
    const bool ok = ::rename(prepared_.c_str(), backupPath_.c_str()) == 0;
    if (!ok) ::unlink(prepared_.c_str());
    prepared_.clear();
    return ok;
}
