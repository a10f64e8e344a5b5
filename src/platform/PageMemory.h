#pragma once
#include <cstddef>
#include <cstdint>

// Fresh zeroed memory straight from the system, for pools that carve it
// themselves. `size` is a power of two and the block is aligned to it.
// Null when the system has no memory left.
void* MapAlignedPages(std::size_t size);
// Gives a block of MapAlignedPages back; `size` as it was asked for.
void UnmapPages(void* block, std::size_t size);
// Fresh private memory of any size for one large buffer (a file read whole),
// faulted in large pages where the system offers them. Never a view of a
// file: what another program does to the file cannot reach it. Null when
// the system has no memory left. Given back with UnmapPages.
void* MapPages(std::size_t size);

// Bytes of memory the system can still give this process without running
// short: what it reports as available (Linux: MemAvailable, Windows: the
// commit charge left, within the address space left). The largest value
// when the system does not say.
std::uint64_t AvailableMemory();
