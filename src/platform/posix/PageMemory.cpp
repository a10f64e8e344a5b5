#include "platform/PageMemory.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <sys/mman.h>
#include <unistd.h>

#include "platform/CgroupMemory.h"

// Maps size bytes aligned to size: map twice as much and trim both ends.
void* MapAlignedPages(std::size_t size)
{
    void* raw = ::mmap(nullptr, size * 2, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (raw == MAP_FAILED) return nullptr;
    const auto start = reinterpret_cast<std::uintptr_t>(raw);
    const std::uintptr_t aligned = (start + size - 1) & ~(static_cast<std::uintptr_t>(size) - 1);
    const std::size_t head = aligned - start;
    if (head) ::munmap(raw, head);
    const std::size_t tail = size - head;
    if (tail) ::munmap(reinterpret_cast<void*>(aligned + size), tail);
    // One fault per block instead of one per page: page faults are what
    // loading a large file would otherwise spend most of its time on.
    ::madvise(reinterpret_cast<void*>(aligned), size, MADV_HUGEPAGE);
    return reinterpret_cast<void*>(aligned);
}

void* MapPages(std::size_t size)
{
    void* block = ::mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (block == MAP_FAILED) return nullptr;
    ::madvise(block, size, MADV_HUGEPAGE);
    return block;
}

void UnmapPages(void* block, std::size_t size) { ::munmap(block, size); }

namespace {

std::uint64_t SystemAvailableMemory()
{
    // Free memory plus what the page cache and other reclaimable memory
    // would give up.
    if (std::FILE* info = std::fopen("/proc/meminfo", "r")) {
        char line[128];
        unsigned long long kib = 0;
        bool found = false;
        while (!found && std::fgets(line, sizeof line, info))
            found = std::sscanf(line, "MemAvailable: %llu kB", &kib) == 1;
        std::fclose(info);
        if (found) return static_cast<std::uint64_t>(kib) * 1024;
    }
#ifdef _SC_AVPHYS_PAGES
    const long pages = ::sysconf(_SC_AVPHYS_PAGES);
    const long pageSize = ::sysconf(_SC_PAGESIZE);
    if (pages > 0 && pageSize > 0) return static_cast<std::uint64_t>(pages) * static_cast<std::uint64_t>(pageSize);
#endif
    return std::numeric_limits<std::uint64_t>::max();
}

}  // namespace

std::uint64_t AvailableMemory()
{
    // A control group's limit may be lower than what the system has.
    return std::min(SystemAvailableMemory(), CgroupMemoryRoom("/sys/fs/cgroup", "/proc/self/cgroup"));
}
