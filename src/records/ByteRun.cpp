#include "records/ByteRun.h"

#include <cstdlib>
#include <cstring>
#include <new>

namespace {

// Makes room for one more byte; false when the run is full or memory runs out.
bool MakeRoomForOneMore(RecordNode* run)
{
    const int needed = run->length + 1;
    if (needed > kMaxRecordLength) return false;
    if (needed <= run->capacity) return true;
    const std::uint16_t capacity = ByteRunCapacityFor(needed);
    auto* data = static_cast<std::uint8_t*>(std::realloc(run->data, capacity));
    if (!data) return false;
    run->data = data;
    run->capacity = capacity;
    return true;
}

}  // namespace

RecordNode* NewByteRun(const std::uint8_t* bytes, int length)
{
    if (length < 0 || length > kMaxRecordLength) return nullptr;
    auto* run = new (std::nothrow) RecordNode;
    if (!run) return nullptr;
    run->capacity = ByteRunCapacityFor(length);
    run->data = static_cast<std::uint8_t*>(std::malloc(run->capacity));
    if (!run->data) {
        delete run;
        return nullptr;
    }
    if (length > 0) std::memcpy(run->data, bytes, static_cast<std::size_t>(length));
    run->length = static_cast<std::uint16_t>(length);
    return run;
}

bool AppendToByteRun(RecordNode* run, std::uint8_t byte)
{
    if (!MakeRoomForOneMore(run)) return false;
    run->data[run->length++] = byte;
    return true;
}

bool PrependToByteRun(RecordNode* run, std::uint8_t byte)
{
    if (!MakeRoomForOneMore(run)) return false;
    std::memmove(run->data + 1, run->data, run->length);
    run->data[0] = byte;
    ++run->length;
    return true;
}

void FreeByteRuns(RecordNode* first)
{
    while (first) {
        RecordNode* next = first->next;
        std::free(first->data);
        delete first;
        first = next;
    }
}
