#include "support/ChildProcess.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <grp.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr uid_t kNobody = 65534;

std::string Errno(const char* what) { return std::string(what) + ": " + std::strerror(errno); }

bool WriteTo(const char* path, const std::string& text)
{
    const int fd = ::open(path, O_WRONLY | O_CLOEXEC);
    if (fd < 0) return false;
    const bool ok = ::write(fd, text.data(), text.size()) == static_cast<ssize_t>(text.size());
    ::close(fd);
    return ok;
}

std::string DropPrivileges()
{
    if (::geteuid() != 0) return "";
    if (::setgroups(0, nullptr) != 0) return Errno("setgroups");
    if (::setresgid(kNobody, kNobody, kNobody) != 0) return Errno("setresgid");
    if (::setresuid(kNobody, kNobody, kNobody) != 0) return Errno("setresuid");
    if (::geteuid() == 0 || ::access("/root", W_OK) == 0) return "still privileged after dropping to nobody";
    return "";
}

// A mount namespace of our own; a user namespace first when not root, in
// which we are root and may mount a tmpfs.
std::string PrivateMounts()
{
    const uid_t uid = ::geteuid();
    const gid_t gid = ::getegid();
    if (uid != 0) {
        if (::unshare(CLONE_NEWUSER | CLONE_NEWNS) != 0) return Errno("unshare user and mount namespaces");
        if (!WriteTo("/proc/self/setgroups", "deny") ||
            !WriteTo("/proc/self/uid_map", "0 " + std::to_string(uid) + " 1") ||
            !WriteTo("/proc/self/gid_map", "0 " + std::to_string(gid) + " 1"))
            return Errno("map user");
    } else if (::unshare(CLONE_NEWNS) != 0) {
        return Errno("unshare mount namespace");
    }
    if (::mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0) return Errno("make mounts private");
    return "";
}

}  // namespace

std::string RunInChild(const ChildBody& body)
{
    int channel[2];
    if (::pipe(channel) != 0) return Errno("pipe");
    const pid_t pid = ::fork();
    if (pid < 0) return Errno("fork");
    if (pid == 0) {
        ::close(channel[0]);
        const std::string result = body();
        if (!result.empty() && ::write(channel[1], result.data(), result.size()) < 0) ::_exit(3);
        ::_exit(result.empty() ? 0 : 1);
    }
    ::close(channel[1]);
    std::string reported;
    char chunk[512];
    for (;;) {
        const ssize_t got = ::read(channel[0], chunk, sizeof chunk);
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) break;
        reported.append(chunk, static_cast<std::size_t>(got));
    }
    ::close(channel[0]);
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    if (WIFSIGNALED(status)) return "child died of signal " + std::to_string(WTERMSIG(status));
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return reported.empty() ? "child failed" : reported;
    return reported;
}

std::string RunAsUnprivilegedUser(const ChildBody& body)
{
    return RunInChild([&] {
        const std::string dropped = DropPrivileges();
        return dropped.empty() ? body() : dropped;
    });
}

std::string RunOnSmallDisk(const std::string& folder, std::size_t bytes, const ChildBody& body)
{
    return RunInChild([&]() -> std::string {
        const std::string isolated = PrivateMounts();
        if (!isolated.empty()) return isolated;
        const std::string options = "size=" + std::to_string(bytes);
        if (::mount("tmpfs", folder.c_str(), "tmpfs", 0, options.c_str()) != 0) return Errno("mount tmpfs");
        return body();
    });
}

bool FillDisk(const std::string& folder)
{
    const std::string path = folder + "/filler";
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0) return false;
    static const char kZeros[4096] = {};
    while (::write(fd, kZeros, sizeof kZeros) > 0) {
    }
    // The last partial block, byte by byte.
    while (::write(fd, kZeros, 1) > 0) {
    }
    const bool full = errno == ENOSPC;
    ::close(fd);
    return full;
}
