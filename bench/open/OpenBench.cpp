// Start-up benchmark driver: runs a program and measures the wall time until
// it has shown a file, and its peak private (anonymous) memory on the way,
// sampled from /proc/PID/status.
//   open_bench tabulon PROGRAM FILE   until the program's first paint of the
//                                     file's records (TABULON_FIRST_PAINT_FILE)
//   open_bench peer COMMAND...        until COMMAND exits
// Prints "seconds S peak_kb K". Gives up after BENCH_TIMEOUT seconds (120).
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

double Now()
{
    timespec now{};
    ::clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

long RssAnonKilobytes(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line))
        if (line.compare(0, 8, "RssAnon:") == 0) return std::atol(line.c_str() + 8);
    return 0;
}

pid_t Start(char** command, const char* marker)
{
    const pid_t pid = ::fork();
    if (pid == 0) {
        if (marker) ::setenv("TABULON_FIRST_PAINT_FILE", marker, 1);
        ::execvp(command[0], command);
        std::perror(command[0]);
        ::_exit(127);
    }
    return pid;
}

double Timeout()
{
    const char* text = std::getenv("BENCH_TIMEOUT");
    return text && std::atof(text) > 0 ? std::atof(text) : 120;
}

// Samples the memory every millisecond until `done` answers true.
template <class Done>
long SampleUntil(pid_t pid, Done done, double timeout)
{
    long peak = 0;
    const double end = Now() + timeout;
    while (!done() && Now() < end) {
        const long now = RssAnonKilobytes(pid);
        if (now > peak) peak = now;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return peak;
}

int Tabulon(char* program, char* file)
{
    const std::string marker = "/tmp/open-bench-marker-" + std::to_string(::getpid());
    ::unlink(marker.c_str());
    char* command[] = {program, file, nullptr};
    const double start = Now();
    const pid_t pid = Start(command, marker.c_str());
    double painted = 0;
    const auto done = [&] {
        std::ifstream in(marker);
        return static_cast<bool>(in >> painted) && painted > 0;
    };
    const long peak = SampleUntil(pid, done, Timeout());
    ::kill(pid, SIGKILL);
    ::waitpid(pid, nullptr, 0);
    ::unlink(marker.c_str());
    if (painted <= 0) {
        std::fprintf(stderr, "open_bench: no first paint within the time limit\n");
        return 1;
    }
    std::printf("seconds %.4f peak_kb %ld\n", painted - start, peak);
    return 0;
}

int Peer(char** command)
{
    const double start = Now();
    const pid_t pid = Start(command, nullptr);
    int status = 0;
    bool exited = false;
    const auto done = [&] {
        if (!exited && ::waitpid(pid, &status, WNOHANG) == pid) exited = true;
        return exited;
    };
    const long peak = SampleUntil(pid, done, Timeout());
    const double seconds = Now() - start;
    if (!exited) {
        ::kill(pid, SIGKILL);
        ::waitpid(pid, nullptr, 0);
        return 1;
    }
    std::printf("seconds %.4f peak_kb %ld\n", seconds, peak);
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc == 4 && std::strcmp(argv[1], "tabulon") == 0) return Tabulon(argv[2], argv[3]);
    if (argc >= 3 && std::strcmp(argv[1], "peer") == 0) return Peer(argv + 2);
    std::fprintf(stderr, "usage: open_bench tabulon PROGRAM FILE | peer COMMAND...\n");
    return 2;
}
