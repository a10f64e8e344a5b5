#include "platform/FileHandle.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

FileHandle OpenForReading(const std::string& path)
{
    // Non-blocking so that a named pipe cannot hang the open.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd < 0) return kNoFile;
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return kNoFile;
    }
    return fd;
}

std::int64_t ReadFromFile(FileHandle handle, void* into, std::size_t count)
{
    for (;;) {
        const ssize_t got = ::read(static_cast<int>(handle), into, count);
        if (got < 0 && errno == EINTR) continue;
        return got;
    }
}

void CloseFile(FileHandle handle)
{
    if (handle != kNoFile) ::close(static_cast<int>(handle));
}

bool IsRegularFile(const std::string& path)
{
    struct stat info {};
    return !path.empty() && ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

bool RemoveFile(const std::string& path) { return ::unlink(path.c_str()) == 0; }

bool PathExists(const std::string& path)
{
    struct stat info {};
    return !path.empty() && ::lstat(path.c_str(), &info) == 0;
}

MoveResult MoveWithoutReplacing(const std::string& from, const std::string& to)
{
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return MoveResult::Moved;
    if (errno == EEXIST) return MoveResult::NameTaken;
    if (errno != EINVAL && errno != ENOSYS) return MoveResult::Failed;
    // A file system without that kind of rename: a second name, then the
    // first one goes; the link refuses a name in use.
    if (::link(from.c_str(), to.c_str()) != 0) return errno == EEXIST ? MoveResult::NameTaken : MoveResult::Failed;
    if (::unlink(from.c_str()) != 0) {
        ::unlink(to.c_str());
        return MoveResult::Failed;
    }
    return MoveResult::Moved;
}

bool WriteToFile(FileHandle handle, const void* bytes, std::size_t count)
{
    const auto* next = static_cast<const std::uint8_t*>(bytes);
    while (count > 0) {
        const ssize_t done = ::write(static_cast<int>(handle), next, count);
        if (done < 0 && errno == EINTR) continue;
        if (done <= 0) return false;
        next += done;
        count -= static_cast<std::size_t>(done);
    }
    return true;
}

void StartWriteback(FileHandle handle, std::uint64_t offset, std::uint64_t length)
{
#ifdef SYNC_FILE_RANGE_WRITE
    ::sync_file_range(static_cast<int>(handle), static_cast<off_t>(offset), static_cast<off_t>(length),
                      SYNC_FILE_RANGE_WRITE);
#else
    static_cast<void>(handle);
    static_cast<void>(offset);
    static_cast<void>(length);
#endif
}
