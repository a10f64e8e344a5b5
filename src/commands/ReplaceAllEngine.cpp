#include "commands/ReplaceAllEngine.h"

#include <algorithm>
#include <tuple>
#include <vector>

#include "commands/FindEngine.h"
#include "records/CounterLimit.h"
#include "records/RecordList.h"

namespace {

// Starts of the matches inside one record, taken greedily in the search
// direction: starts lo..hi (inclusive), each match ending within the record.
void PlanForward(const CFindMatcher& m, const std::uint8_t* data, int lo, int hi, std::vector<int>& out)
{
    for (int s = std::max(lo, 0); s <= hi;) {
        s = m.FirstIn(data, s, hi);
        if (s < 0) break;
        out.push_back(s);
        s += m.Length();
    }
}

void PlanBackward(const CFindMatcher& m, const std::uint8_t* data, int lo, int hi, std::vector<int>& out)
{
    for (int s = hi; s >= std::max(lo, 0);) {
        s = m.LastIn(data, std::max(lo, 0), s);
        if (s < 0) break;
        out.push_back(s);
        s -= m.Length();
    }
}

// How many replacements, in order, the record takes before it would reach
// 65535 bytes: each one changes its length by `growth`.
std::size_t ReplacementsThatFit(int length, int growth, std::size_t wanted)
{
    if (growth < 0) return wanted;
    if (growth == 0) return length < kMaxRecordLength ? wanted : 0;
    const std::int64_t room = kMaxRecordLength - 1 - static_cast<std::int64_t>(length);
    return room < 0 ? 0 : std::min<std::size_t>(wanted, static_cast<std::size_t>(room / growth));
}

}  // namespace

ReplaceAllResult ReplaceAllMatches(CRecordList& list, const CFindMatcher& matcher, const std::string& replacement,
                                   bool forward, const FindPosition& from, int skip)
{
    ReplaceAllResult result;
    const int L = matcher.Length();
    if (L <= 0 || !from.node || !list.head) return result;
    const int R = static_cast<int>(replacement.size());
    const auto* inserted = reinterpret_cast<const std::uint8_t*>(replacement.data());
    const int growth = R - L;
    const int begin = RoundStartColumn(from, skip, forward);

    // The order in which the search meets a place: the part from the start
    // of the round to the end of the document comes first.
    auto orderKey = [&](RecordIndex record, int column) {
        bool firstPart;
        if (forward) firstPart = record > from.record || (record == from.record && column >= begin);
        else firstPart = record < from.record || (record == from.record && column <= begin);
        const std::int64_t r = forward ? record : -record;
        const std::int64_t c = forward ? column : -static_cast<std::int64_t>(column);
        return std::tuple<int, std::int64_t, std::int64_t>(firstPart ? 0 : 1, r, c);
    };
    bool haveLast = false;
    std::tuple<int, std::int64_t, std::int64_t> lastKey;

    std::vector<int> planned;  // in the order the search takes them
    std::vector<int> taken;    // ascending
    std::vector<std::uint8_t> rebuilt;
    RecordIndex record = 0;
    for (RecordNode* node = list.head; node; node = node->next, ++record) {
        const int length = node->length;
        const int lastStart = length - L;
        if (lastStart < 0) continue;
        const std::uint8_t* data = node->data;
        planned.clear();
        if (node != from.node) {
            if (forward) PlanForward(matcher, data, 0, lastStart, planned);
            else PlanBackward(matcher, data, 0, lastStart, planned);
        } else if (forward) {
            // From the start of the round to the record's end, then, at the
            // end of the round, what lies before it, up to the first text
            // already replaced.
            PlanForward(matcher, data, begin, lastStart, planned);
            const int limit = planned.empty() ? length : planned.front();
            PlanForward(matcher, data, 0, std::min(begin - 1, limit - L), planned);
        } else {
            PlanBackward(matcher, data, 0, std::min(begin, lastStart), planned);
            const int limit = planned.empty() ? 0 : planned.front() + L;
            PlanBackward(matcher, data, std::max(begin + 1, limit), lastStart, planned);
        }
        if (planned.empty()) continue;

        const std::size_t fit = ReplacementsThatFit(length, growth, planned.size());
        result.refused += static_cast<std::int64_t>(planned.size() - fit);
        if (fit == 0) continue;
        if (!CountersHoldMore(list.recordCount, 0, list.totalBytes, static_cast<std::int64_t>(fit) * growth)) {
            // All or nothing: the records already rewritten get their old
            // bytes back (only memory can fail, and the program is then
            // stopping).
            if (result.log) std::ignore = result.log->Restore(list, list.head, 0);
            result = ReplaceAllResult{};
            result.tooLarge = true;
            return result;
        }
        const int lastTaken = planned[fit - 1];
        taken.assign(planned.begin(), planned.begin() + static_cast<std::ptrdiff_t>(fit));
        std::sort(taken.begin(), taken.end());

        if (!result.log) result.log = std::make_unique<CReplaceAllLog>(inserted, R, L);
        rebuilt.clear();
        int copied = 0;
        int lastColumn = 0;
        for (std::size_t i = 0; i < taken.size(); ++i) {
            const int s = taken[i];
            const int now = s + static_cast<int>(i) * growth;
            result.log->Add(record, now, data + s);
            if (s == lastTaken) lastColumn = now;
            rebuilt.insert(rebuilt.end(), data + copied, data + s);
            rebuilt.insert(rebuilt.end(), inserted, inserted + R);
            copied = s + L;
        }
        rebuilt.insert(rebuilt.end(), data + copied, data + length);
        if (!list.Splice(node, 0, length, rebuilt.data(), static_cast<int>(rebuilt.size()))) {
            // Memory ran out (the program is stopping): the log no longer
            // tells what happened, so this cannot be undone.
            result.log.reset();
            break;
        }
        result.replaced += static_cast<std::int64_t>(fit);

        const auto key = orderKey(record, lastTaken);
        if (!haveLast || key > lastKey) {
            haveLast = true;
            lastKey = key;
            result.last = {node, record, lastColumn};
        }
    }
    return result;
}
