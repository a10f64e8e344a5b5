#include "platform/InstanceLock.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

// flock belongs to the open file, not to the process: two opens in one
// process conflict like two instances do, and closing some other handle of
// the same file keeps the lock. A releasing instance removes the lock file
// while it still holds it, so a lock taken on a file that has lost its name
// meanwhile is dropped and taken again on the new file.

CInstanceLock::State CInstanceLock::Acquire(const std::string& lockPath)
{
    Release();
    path_ = lockPath;
    state_ = State::Unavailable;
    for (int attempt = 0; attempt < 5; ++attempt) {
        // Readable by all, so that another user's instance can test the lock
        // (flock needs no write access); never through a planted link.
        int fd = ::open(lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NOCTTY, 0644);
        if (fd < 0) fd = ::open(lockPath.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NOCTTY);
        if (fd < 0) return state_;
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            const bool busy = errno == EWOULDBLOCK;
            ::close(fd);
            state_ = busy ? State::HeldElsewhere : State::Unavailable;
            return state_;
        }
        struct stat held {}, named {};
        if (::fstat(fd, &held) == 0 && ::stat(lockPath.c_str(), &named) == 0 && held.st_dev == named.st_dev &&
            held.st_ino == named.st_ino) {
            handle_ = fd;
            state_ = State::Held;
            fullPath_ = lockPath;
            if (lockPath.front() != '/') {
                char* here = ::getcwd(nullptr, 0);
                if (here) fullPath_ = std::string(here) + "/" + lockPath;
                std::free(here);
            }
            return state_;
        }
        ::close(fd);  // removed or replaced while we waited: try the new one
    }
    return state_;
}

void CInstanceLock::Release()
{
    if (handle_ >= 0) {
        ::unlink(fullPath_.c_str());
        ::close(static_cast<int>(handle_));
    }
    handle_ = -1;
    state_ = State::Free;
    path_.clear();
    fullPath_.clear();
}
