#include "records/CounterLimit.h"

namespace {

std::int64_t counterLimit = kDocumentCounterLimit;

}  // namespace

bool CountersHold(std::int64_t records, std::int64_t bytes)
{
    return records <= counterLimit && bytes <= counterLimit;
}

void SetDocumentCounterLimitForTesting(std::int64_t limit)
{
    counterLimit = limit > 0 && limit < kDocumentCounterLimit ? limit : kDocumentCounterLimit;
}
