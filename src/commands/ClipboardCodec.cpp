#include "commands/ClipboardCodec.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <new>

#include "commands/ClipboardMessages.h"
#include "platform/Platform.h"
#include "records/ClipRecords.h"
#include "records/CounterLimit.h"
#include "records/RecordMessages.h"
#include "records/RecordStorage.h"

namespace {

std::uint64_t clipBlockLimit = kClipBlockLimit;

bool Allocate(ClipBytes& out, std::uint64_t size)
{
    if (size > std::numeric_limits<std::size_t>::max()) {
        ReportOutOfMemory();
        return false;
    }
    out.data.reset(new (std::nothrow) std::uint8_t[static_cast<std::size_t>(size)]);
    if (!out.data) {
        out.size = 0;
        ReportOutOfMemory();
        return false;
    }
    out.size = static_cast<std::size_t>(size);
    return true;
}

// Builds a chain record by record, its counts checked against the counters
// a document keeps. Frees what it built unless the chain is taken.
class ChainBuilder {
public:
    ~ChainBuilder() { FreeChain(chain_.head); }

    ClipDecode Append(const std::uint8_t* bytes, std::size_t length)
    {
        if (!CountersHoldMore(chain_.recordCount, 1, chain_.totalBytes, static_cast<ByteTotal>(length)))
            return ClipDecode::TooLarge;
        RecordNode* node = AllocateRecord(bytes, static_cast<int>(length));
        if (!node) {
            ReportOutOfMemory();
            return ClipDecode::OutOfMemory;
        }
        node->prev = chain_.tail;
        if (chain_.tail) chain_.tail->next = node;
        else chain_.head = node;
        chain_.tail = node;
        ++chain_.recordCount;
        chain_.totalBytes += static_cast<ByteTotal>(length);
        return ClipDecode::Records;
    }

    ClipDecode Finish(bool endsWithBreak, RecordChain& out)
    {
        chain_.endsWithBreak = endsWithBreak;
        out = chain_;
        chain_ = RecordChain{};
        return ClipDecode::Records;
    }

private:
    RecordChain chain_;
};

std::uint32_t ReadU32(const std::uint8_t* p)
{
    return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
           static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

}  // namespace

bool ClipBlockHolds(RecordIndex records, ByteTotal bytes)
{
    if (records < 0 || bytes < 0) return false;
    const auto limit = static_cast<std::int64_t>(clipBlockLimit) - static_cast<std::int64_t>(kClipBlockHeader);
    return records <= limit / 2 && bytes <= limit - 2 * records;
}

void SetClipBlockLimitForTesting(std::uint64_t limit)
{
    clipBlockLimit = limit > 0 && limit < kClipBlockLimit ? limit : kClipBlockLimit;
}

bool EncodeClipBlock(const RecordNode* head, bool endsWithBreak, ClipBytes& out)
{
    std::uint64_t size = kClipBlockHeader;
    for (const RecordNode* node = head; node; node = node->next) size += 2 + node->length;
    if (size > clipBlockLimit) return false;
    if (!Allocate(out, size)) return false;
    std::uint8_t* p = out.data.get();
    for (int shift = 0; shift < 32; shift += 8) *p++ = static_cast<std::uint8_t>(size >> shift);
    *p++ = endsWithBreak ? 1 : 0;
    for (const RecordNode* node = head; node; node = node->next) {
        *p++ = static_cast<std::uint8_t>(node->length);
        *p++ = static_cast<std::uint8_t>(node->length >> 8);
        if (node->length) std::memcpy(p, node->data, node->length);
        p += node->length;
    }
    return true;
}

bool EncodeClipText(const RecordNode* head, bool endsWithBreak, ClipBytes& out)
{
    std::uint64_t size = 1;
    for (const RecordNode* node = head; node; node = node->next) size += node->length + 2;
    if (head && !endsWithBreak) size -= 2;
    if (!Allocate(out, size)) return false;
    std::uint8_t* p = out.data.get();
    for (const RecordNode* node = head; node; node = node->next) {
        if (node->length) std::memcpy(p, node->data, node->length);
        p += node->length;
        if (node->next || endsWithBreak) {
            *p++ = '\r';
            *p++ = '\n';
        }
    }
    *p = 0;
    return true;
}

ClipDecode DecodeClipBlock(const std::uint8_t* data, std::size_t size, RecordChain& out)
{
    if (!data || size < kClipBlockHeader) return ClipDecode::Unusable;
    // The block ends where its size field says, but never past the data.
    const std::size_t end = std::min<std::size_t>(ReadU32(data), size);
    bool complete = true;
    ChainBuilder chain;
    std::size_t offset = kClipBlockHeader;
    while (offset < end) {
        if (end - offset < 2) {
            complete = false;
            break;
        }
        const std::size_t length = data[offset] | static_cast<std::size_t>(data[offset + 1]) << 8;
        offset += 2;
        const std::size_t held = std::min(length, end - offset);
        const ClipDecode appended = chain.Append(data + offset, held);
        if (appended != ClipDecode::Records) return appended;
        offset += held;
        if (held < length) {
            complete = false;
            break;
        }
    }
    return chain.Finish(complete && data[4] != 0, out);
}

ClipDecode DecodeClipText(const std::uint8_t* data, std::size_t size, ClipLineBreaks breaks, RecordChain& out)
{
    ChainBuilder chain;
    if (!data) return chain.Finish(false, out);
    const auto* zero = static_cast<const std::uint8_t*>(std::memchr(data, 0, size));
    const std::size_t length = zero ? static_cast<std::size_t>(zero - data) : size;
    const bool bareLf = breaks == ClipLineBreaks::CrLfOrLf;
    bool endsWithBreak = false;
    std::size_t offset = 0;
    while (offset < length) {
        // The next line break at or after the offset.
        std::size_t lineEnd = length;
        std::size_t breakLength = 0;
        for (std::size_t from = offset; from < length;) {
            const auto* lf = static_cast<const std::uint8_t*>(std::memchr(data + from, '\n', length - from));
            if (!lf) break;
            const std::size_t at = static_cast<std::size_t>(lf - data);
            if (at > offset && data[at - 1] == '\r') {
                lineEnd = at - 1;
                breakLength = 2;
                break;
            }
            if (bareLf) {
                lineEnd = at;
                breakLength = 1;
                break;
            }
            from = at + 1;  // a lone LF is data
        }
        // A line too long for one record goes into several.
        std::size_t pos = offset;
        do {
            const std::size_t piece = std::min<std::size_t>(lineEnd - pos, kMaxRecordLength);
            const ClipDecode appended = chain.Append(data + pos, piece);
            if (appended != ClipDecode::Records) return appended;
            pos += piece;
        } while (pos < lineEnd);
        endsWithBreak = breakLength != 0;
        offset = lineEnd + breakLength;
    }
    return chain.Finish(endsWithBreak, out);
}

bool LoadClipForm(CClipRecords& holder, ClipForm form, const std::uint8_t* data, std::size_t size)
{
    RecordChain chain;
    const ClipDecode result = form == ClipForm::Block ? DecodeClipBlock(data, size, chain)
                                                      : DecodeClipText(data, size, kPastedTextBreaks, chain);
    if (result == ClipDecode::TooLarge)
        ShowMessage(FillIn(kFmtClipboardTooLarge, DocumentCounterLimit()), kCapClipboardTooLarge, MbIcon::Stop);
    if (result != ClipDecode::Records) return false;
    holder.TakeChain(chain);
    return true;
}
