#include "commands/FindEngine.h"

#include <algorithm>

#include "records/RecordList.h"

namespace {

// Searches the starts lo..hi (inclusive, within the record) of one record:
// matches inside the record first, then those that run past its end (those
// of `scope` only).
bool ScanForward(const CFindMatcher& m, RecordNode* node, RecordIndex record, int lo, int hi, MatchScope scope,
                 FindPosition& at, FindPosition& end)
{
    const int length = node->length;
    lo = std::max(lo, 0);
    hi = std::min(hi, length - 1);
    if (lo > hi) return false;
    const int lastInside = std::min(hi, length - m.Length());
    if (scope != MatchScope::SpanningRecords && lo <= lastInside) {
        const int s = m.FirstIn(node->data, lo, lastInside);
        if (s >= 0) {
            at = {node, record, s};
            end = {node, record, s + m.Length()};
            return true;
        }
    }
    if (scope == MatchScope::WithinRecord) return false;
    for (int s = std::max(lo, lastInside + 1); s <= hi; ++s) {
        if (!m.Accepts(0, node->data[s])) continue;
        at = {node, record, s};
        if (m.MatchAt(at, end)) return true;
    }
    return false;
}

bool ScanBackward(const CFindMatcher& m, RecordNode* node, RecordIndex record, int lo, int hi, MatchScope scope,
                  FindPosition& at, FindPosition& end)
{
    const int length = node->length;
    lo = std::max(lo, 0);
    hi = std::min(hi, length - 1);
    if (lo > hi) return false;
    const int lastInside = std::min(hi, length - m.Length());
    for (int s = hi; scope != MatchScope::WithinRecord && s >= std::max(lo, lastInside + 1); --s) {
        if (!m.Accepts(0, node->data[s])) continue;
        at = {node, record, s};
        if (m.MatchAt(at, end)) return true;
    }
    if (scope != MatchScope::SpanningRecords && lo <= lastInside) {
        const int s = m.LastIn(node->data, lo, lastInside);
        if (s >= 0) {
            at = {node, record, s};
            end = {node, record, s + m.Length()};
            return true;
        }
    }
    return false;
}

}  // namespace

int RoundStartColumn(const FindPosition& from, int skip, bool forward)
{
    const long long step = std::max(skip, 0);
    const long long moved = static_cast<long long>(from.column) + (forward ? step : -step);
    return static_cast<int>(std::clamp<long long>(moved, -1, kMaxRecordLength));
}

bool FindNext(const CRecordList& list, const CFindMatcher& matcher, bool forward, const FindPosition& from,
              int skip, FindPosition& at, FindPosition& end, MatchScope scope)
{
    if (matcher.Length() <= 0 || !from.node || !list.head) return false;
    RecordNode* const first = from.node;
    const RecordIndex firstRecord = from.record;
    const int kAll = kMaxRecordLength;

    if (forward) {
        const int column = RoundStartColumn(from, skip, true);
        if (ScanForward(matcher, first, firstRecord, column, kAll, scope, at, end)) return true;
        RecordNode* node = first->next;
        RecordIndex record = firstRecord + 1;
        for (;; node = node->next, ++record) {
            if (!node) {
                node = list.head;
                record = 0;
            }
            if (node == first) break;
            if (ScanForward(matcher, node, record, 0, kAll, scope, at, end)) return true;
        }
        return ScanForward(matcher, first, firstRecord, 0, column - 1, scope, at, end);
    }

    const int column = RoundStartColumn(from, skip, false);
    if (ScanBackward(matcher, first, firstRecord, 0, column, scope, at, end)) return true;
    RecordNode* node = first->prev;
    RecordIndex record = firstRecord - 1;
    for (;; node = node->prev, --record) {
        if (!node) {
            node = list.tail;
            record = list.recordCount - 1;
        }
        if (node == first) break;
        if (ScanBackward(matcher, node, record, 0, kAll, scope, at, end)) return true;
    }
    // A column beyond the record's end already took in the whole record.
    return ScanBackward(matcher, first, firstRecord, column + 1, kAll, scope, at, end);
}
