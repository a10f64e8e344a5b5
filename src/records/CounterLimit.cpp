#include "records/CounterLimit.h"

namespace {

std::int64_t counterLimit = kDocumentCounterLimit;

// Whether value + more stays within the limit; taking away always does.
bool Holds(std::int64_t value, std::int64_t more, std::int64_t limit)
{
    return more <= 0 || (value <= limit && more <= limit - value);
}

}  // namespace

bool CountersHold(RecordIndex records, ByteTotal bytes)
{
    return records <= counterLimit && bytes <= counterLimit;
}

bool CountersHoldMore(RecordIndex records, RecordIndex moreRecords, ByteTotal bytes, ByteTotal moreBytes)
{
    return Holds(records, moreRecords, counterLimit) && Holds(bytes, moreBytes, counterLimit);
}

std::int64_t DocumentCounterLimit() { return counterLimit; }

void SetDocumentCounterLimitForTesting(std::int64_t limit)
{
    counterLimit = limit > 0 && limit < kDocumentCounterLimit ? limit : kDocumentCounterLimit;
}
