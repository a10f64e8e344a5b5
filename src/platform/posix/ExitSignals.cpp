#include "platform/ExitSignals.h"

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr int kExitSignals[] = {SIGTERM, SIGHUP, SIGINT};
int writeEnd = -1;

void OnExitSignal(int signal)
{
    const int saved = errno;
    const char byte = static_cast<char>(signal);
    // A full pipe already holds a signal to act on.
    if (::write(writeEnd, &byte, 1) < 0) {
    }
    errno = saved;
}

}  // namespace

int CatchExitSignals()
{
    int ends[2];
    if (::pipe2(ends, O_CLOEXEC | O_NONBLOCK) != 0) return -1;
    writeEnd = ends[1];
    struct sigaction action {};
    action.sa_handler = OnExitSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : kExitSignals) ::sigaction(signal, &action, nullptr);
    return ends[0];
}

int TakeExitSignal(int readEnd)
{
    char byte = 0;
    for (;;) {
        const ssize_t got = ::read(readEnd, &byte, 1);
        if (got == 1) return static_cast<unsigned char>(byte);
        if (got < 0 && errno == EINTR) continue;
        return 0;
    }
}

void EndAsSignalled(int signal)
{
    if (signal > 0) {
        struct sigaction action {};
        action.sa_handler = SIG_DFL;
        sigemptyset(&action.sa_mask);
        ::sigaction(signal, &action, nullptr);
        sigset_t set;
        sigemptyset(&set);
        sigaddset(&set, signal);
        ::pthread_sigmask(SIG_UNBLOCK, &set, nullptr);
        ::raise(signal);
    }
    ::_exit(signal > 0 ? 128 + signal : 0);
}
