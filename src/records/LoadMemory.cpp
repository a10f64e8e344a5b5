#include "records/LoadMemory.h"

#include <atomic>

#include "platform/PageMemory.h"
#include "records/RecordNode.h"

static_assert(sizeof(void*) != 8 || sizeof(RecordNode) == kMemoryPerRecord);

namespace {

// Read by the thread that reads a file ahead as well.
std::atomic<std::uint64_t> pretendedAvailable{0};

}  // namespace

bool MemoryAvailableFor(std::uint64_t bytes)
{
    const std::uint64_t pretended = pretendedAvailable.load();
    return bytes <= (pretended != 0 ? pretended : AvailableMemory());
}

void SetAvailableMemoryForTesting(std::uint64_t bytes) { pretendedAvailable.store(bytes); }
