#include "platform/FileStatus.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>

namespace {

// Where statx is refused (an older kernel, or a sandbox that does not know
// it), the plain status serves, without a birth time.
bool ReadPlainStatus(int folder, const char* path, int flags, FileStatus* status)
{
    struct stat info {};
    if (::fstatat(folder, path, &info, flags) != 0) return false;
    status->size = static_cast<std::int64_t>(info.st_size);
    status->accessTime = info.st_atim.tv_sec;
    status->modifyTime = info.st_mtim.tv_sec;
    status->modifyNanoseconds = static_cast<std::uint32_t>(info.st_mtim.tv_nsec);
    status->createTime = info.st_ctim.tv_sec;
    status->device = static_cast<std::uint64_t>(info.st_dev);
    status->fileIndex = static_cast<std::uint64_t>(info.st_ino);
    return true;
}

bool ReadStatus(int folder, const char* path, int flags, FileStatus* status)
{
    struct statx info {};
    if (::statx(folder, path, flags, STATX_BASIC_STATS | STATX_BTIME, &info) != 0)
        return (errno == ENOSYS || errno == EPERM) && ReadPlainStatus(folder, path, flags, status);
    status->size = static_cast<std::int64_t>(info.stx_size);
    status->accessTime = info.stx_atime.tv_sec;
    status->modifyTime = info.stx_mtime.tv_sec;
    status->modifyNanoseconds = info.stx_mtime.tv_nsec;
    status->createTime = (info.stx_mask & STATX_BTIME) ? info.stx_btime.tv_sec : info.stx_ctime.tv_sec;
    // As the plain status gives it, so that both ways agree.
    status->device = static_cast<std::uint64_t>(makedev(info.stx_dev_major, info.stx_dev_minor));
    status->fileIndex = info.stx_ino;
    return true;
}

}  // namespace

bool ReadFileStatus(FileHandle handle, FileStatus* status)
{
    return ReadStatus(static_cast<int>(handle), "", AT_EMPTY_PATH, status);
}

bool ReadFileStatus(const std::string& path, FileStatus* status)
{
    return ReadStatus(AT_FDCWD, path.c_str(), 0, status);
}
