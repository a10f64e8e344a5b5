#include "platform/PageMemory.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <windows.h>

// Reserves twice the size, so that an aligned block lies within, and
// commits only that block. The rest of the reservation is address space
// alone, which costs nothing on a 64-bit system; the whole reservation goes
// when the block is given back.
void* MapAlignedPages(std::size_t size)
{
    void* reserved = ::VirtualAlloc(nullptr, size * 2, MEM_RESERVE, PAGE_NOACCESS);
    if (!reserved) return nullptr;
    const auto start = reinterpret_cast<std::uintptr_t>(reserved);
    const std::uintptr_t aligned = (start + size - 1) & ~(static_cast<std::uintptr_t>(size) - 1);
    void* block = ::VirtualAlloc(reinterpret_cast<void*>(aligned), size, MEM_COMMIT, PAGE_READWRITE);
    if (!block) ::VirtualFree(reserved, 0, MEM_RELEASE);
    return block;
}

void* MapPages(std::size_t size)
{
    return ::VirtualAlloc(nullptr, size, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE);
}

void UnmapPages(void* block, std::size_t)
{
    MEMORY_BASIC_INFORMATION info {};
    if (::VirtualQuery(block, &info, sizeof info) != 0) ::VirtualFree(info.AllocationBase, 0, MEM_RELEASE);
}

std::uint64_t AvailableMemory()
{
    MEMORYSTATUSEX status{};
    status.dwLength = sizeof status;
    if (!::GlobalMemoryStatusEx(&status)) return std::numeric_limits<std::uint64_t>::max();
    // Committed memory is what runs out: the commit limit left, as far as
    // the address space reaches.
    return std::min<std::uint64_t>(status.ullAvailPageFile, status.ullAvailVirtual);
}
