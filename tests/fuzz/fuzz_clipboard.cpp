// Any clipboard bytes decode without harm, as a private block and as text:
// no read past the data, records within the size limit, counts that add up,
// and what was decoded encodes back to bytes that decode the same again.
#include <string>
#include <vector>

#include "FuzzEntry.h"
#include "commands/ClipboardCodec.h"
#include "records/RecordStorage.h"

namespace {

struct Records {
    std::vector<std::string> records;
    bool endsWithBreak = false;
    std::size_t bytes = 0;
};

// Checks the chain's counts and frees it.
Records Take(RecordChain& chain)
{
    Records out;
    out.endsWithBreak = chain.endsWithBreak;
    for (RecordNode* n = chain.head; n; n = n->next) {
        FUZZ_CHECK(n->length <= kMaxRecordLength);
        out.records.emplace_back(reinterpret_cast<const char*>(n->data), n->length);
        out.bytes += n->length;
    }
    FUZZ_CHECK(static_cast<std::size_t>(chain.recordCount) == out.records.size());
    FUZZ_CHECK(static_cast<std::size_t>(chain.totalBytes) == out.bytes);
    FreeChain(chain.head);
    return out;
}

void CheckBlock(const std::uint8_t* data, std::size_t size)
{
    RecordChain chain;
    const ClipDecode result = DecodeClipBlock(data, size, chain);
    if (result == ClipDecode::Unusable) {
        FUZZ_CHECK(size < kClipBlockHeader);
        return;
    }
    FUZZ_CHECK(result == ClipDecode::Records);
    RecordNode* head = chain.head;
    const bool endsWithBreak = chain.endsWithBreak;
    ClipBytes again;
    FUZZ_CHECK(EncodeClipBlock(head, endsWithBreak, again));
    const Records first = Take(chain);
    FUZZ_CHECK(first.bytes + 2 * first.records.size() + kClipBlockHeader <= size);
    RecordChain second;
    FUZZ_CHECK(DecodeClipBlock(again.data.get(), again.size, second) == ClipDecode::Records);
    const Records round = Take(second);
    FUZZ_CHECK(round.records == first.records && round.endsWithBreak == first.endsWithBreak);
}

void CheckText(const std::uint8_t* data, std::size_t size, ClipLineBreaks breaks)
{
    RecordChain chain;
    FUZZ_CHECK(DecodeClipText(data, size, breaks, chain) == ClipDecode::Records);
    ClipBytes again;
    FUZZ_CHECK(EncodeClipText(chain.head, chain.endsWithBreak, again));
    const Records first = Take(chain);
    FUZZ_CHECK(first.bytes <= size);
    RecordChain second;
    FUZZ_CHECK(DecodeClipText(again.data.get(), again.size, breaks, second) == ClipDecode::Records);
    const Records round = Take(second);
    FUZZ_CHECK(round.records == first.records && round.endsWithBreak == first.endsWithBreak);
}

}  // namespace

TABULON_FUZZ_ENTRY(clipboard)
{
    CheckBlock(data, size);
    CheckText(data, size, ClipLineBreaks::CrLf);
    CheckText(data, size, ClipLineBreaks::CrLfOrLf);
    return 0;
}
