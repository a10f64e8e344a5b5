// Times loading and saving a large file with the record list, and runs a
// peer program under the same measurement, for bench/run.sh.
//
//   records_bench generate PATH        write the test file (deterministic)
//   records_bench load PATH            AUTO load; time and peak memory
//   records_bench save PATH [MIB]      load, then time a save over PATH (with
//                                      MIB: warm that much memory between)
//   records_bench peer COMMAND...      run COMMAND; wall time and peak memory
//   records_bench warm MIB             touch and free MIB of memory
#include <sys/mman.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "records/OpenMode.h"
#include "records/RecordList.h"

namespace {

using Clock = std::chrono::steady_clock;

double Seconds(Clock::time_point since) { return std::chrono::duration<double>(Clock::now() - since).count(); }

long PeakKilobytes(int who)
{
    rusage usage {};
    ::getrusage(who, &usage);
    return usage.ru_maxrss;
}

// 2.5 million UNIX lines of 20 to 120 bytes, about 200 MB in all (lines
// average 79 bytes plus the LF).
int Generate(const char* path)
{
    std::FILE* out = std::fopen(path, "wb");
    if (!out) return 1;
    std::mt19937 random(20240607);
    const char alphabet[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789 .,;:-_()\t";
    const std::size_t letters = sizeof alphabet - 1;
    std::vector<char> line(130);
    for (int i = 0; i < 2500000; ++i) {
        const unsigned length = random() % 10 < 7 ? 20 + random() % 101 : 80 + random() % 41;
        for (unsigned k = 0; k < length; ++k) line[k] = alphabet[random() % letters];
        line[length] = '\n';
        std::fwrite(line.data(), 1, length + 1, out);
    }
    return std::fclose(out) == 0 ? 0 : 1;
}

bool LoadInto(CRecordList& list, const char* path, double* seconds)
{
    const auto start = Clock::now();
    const int result = list.Load(path, kRequestAuto, 0);
    *seconds = Seconds(start);
    return result == 0;
}

int Load(const char* path)
{
    CRecordList* list = new CRecordList;  // freed by the exit
    double seconds = 0;
    if (!LoadInto(*list, path, &seconds)) return 1;
    std::printf("seconds %.4f peak_kb %ld records %lld bytes %lld\n", seconds, PeakKilobytes(RUSAGE_SELF),
                static_cast<long long>(list->recordCount), static_cast<long long>(list->totalBytes));
    return 0;
}

// On a virtual machine that hands free memory back to its host, the first
// touch of fresh memory can cost far more than the program's own work.
// Touching (and freeing) enough memory just before a measured run lets each
// program start with memory the system has at hand.
int Warm(const char* mebibytes)
{
    const std::size_t size = std::strtoull(mebibytes, nullptr, 10) << 20;
    void* memory = ::mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (memory == MAP_FAILED) return 1;
    ::madvise(memory, size, MADV_HUGEPAGE);
    std::memset(memory, 1, size);
    ::munmap(memory, size);
    return 0;
}

int Save(const char* path, const char* warmMebibytes)
{
    CRecordList* list = new CRecordList;
    double loadSeconds = 0;
    if (!LoadInto(*list, path, &loadSeconds)) return 1;
    // The new file's pages in the system's cache are fresh memory too.
    if (warmMebibytes && Warm(warmMebibytes) != 0) return 1;
    const auto start = Clock::now();
    const int result = list->Save(false, path, SaveModeFor(list->file.mode));
    std::printf("seconds %.4f peak_kb %ld\n", Seconds(start), PeakKilobytes(RUSAGE_SELF));
    return result;
}

int Peer(char** argv)
{
    const auto start = Clock::now();
    const pid_t child = ::fork();
    if (child == 0) {
        ::execvp(argv[0], argv);
        ::_exit(127);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    const double seconds = Seconds(start);
    std::printf("seconds %.4f peak_kb %ld\n", seconds, PeakKilobytes(RUSAGE_CHILDREN));
    return WIFEXITED(status) ? WEXITSTATUS(status) : 1;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc >= 3 && std::strcmp(argv[1], "generate") == 0) return Generate(argv[2]);
    if (argc >= 3 && std::strcmp(argv[1], "load") == 0) return Load(argv[2]);
    if (argc >= 3 && std::strcmp(argv[1], "save") == 0) return Save(argv[2], argc >= 4 ? argv[3] : nullptr);
    if (argc >= 3 && std::strcmp(argv[1], "peer") == 0) return Peer(argv + 2);
    if (argc >= 3 && std::strcmp(argv[1], "warm") == 0) return Warm(argv[2]);
    std::fprintf(stderr, "usage: records_bench generate|load|save PATH | peer COMMAND... | warm MIB\n");
    return 2;
}
