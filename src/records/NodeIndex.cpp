#include "records/NodeIndex.h"

#include <algorithm>

#include "records/RecordNode.h"

namespace {

// Records of a group as a load makes them; a group that grows past twice
// this is split, neighbours that fit in it together are merged. A lookup
// walks half a group on average.
constexpr RecordIndex kDefaultGroupTarget = 2048;
RecordIndex groupTarget = kDefaultGroupTarget;

}  // namespace

void CNodeIndex::SetGroupSizeForTesting(RecordIndex target)
{
    groupTarget = target > 0 ? target : kDefaultGroupTarget;
}

CNodeIndex::CNodeIndex() = default;

void CNodeIndex::Clear()
{
    groups_.clear();
    free_.clear();
    firstGroup_ = lastGroup_ = kNone;
    stale_ = true;
}

std::uint32_t CNodeIndex::NewGroup(RecordNode* first, std::uint32_t after)
{
    std::uint32_t id;
    if (!free_.empty()) {
        id = free_.back();
        free_.pop_back();
    } else {
        id = static_cast<std::uint32_t>(groups_.size());
        groups_.emplace_back();
    }
    Group& group = groups_[id];
    group.first = first;
    group.count = 1;
    group.prev = after;
    group.next = after == kNone ? firstGroup_ : groups_[after].next;
    if (group.next != kNone) groups_[group.next].prev = id;
    else lastGroup_ = id;
    if (after != kNone) groups_[after].next = id;
    else firstGroup_ = id;
    first->group = id;
    return id;
}

void CNodeIndex::RemoveGroup(std::uint32_t id)
{
    Group& group = groups_[id];
    if (group.prev != kNone) groups_[group.prev].next = group.next;
    else firstGroup_ = group.next;
    if (group.next != kNone) groups_[group.next].prev = group.prev;
    else lastGroup_ = group.prev;
    group = Group{};
    free_.push_back(id);
}

void CNodeIndex::Linked(RecordNode* node)
{
    stale_ = true;
    std::uint32_t id;
    if (node->prev) {
        id = node->prev->group;
        // A load appends: it fills a group to the target and starts the next.
        if (!node->next && id == lastGroup_ && groups_[id].count >= groupTarget) {
            NewGroup(node, id);
            return;
        }
        node->group = id;
    } else if (node->next) {
        id = node->next->group;
        node->group = id;
        groups_[id].first = node;
    } else {
        NewGroup(node, kNone);  // the only record
        return;
    }
    if (++groups_[id].count > 2 * groupTarget) Split(id);
}

void CNodeIndex::ChainLinked(RecordNode* head, RecordNode* tail)
{
    stale_ = true;
    RecordNode* before = head->prev;
    RecordNode* after = tail->next;
    const std::uint32_t previous = before ? before->group : kNone;
    // Inside a group: its records after the chain become a group of their
    // own, so that groups stay runs.
    if (before && after && after->group == previous) {
        RecordIndex moved = 0;
        for (const RecordNode* node = after; node && node->group == previous; node = node->next) ++moved;
        const std::uint32_t rest = NewGroup(after, previous);
        groups_[rest].count = moved;
        groups_[previous].count -= moved;
        RecordNode* node = after;
        for (RecordIndex i = 0; i < moved; ++i, node = node->next) node->group = rest;
    }
    // The chain's records fill groups of their own, as a load does.
    std::uint32_t current = kNone;
    for (RecordNode* node = head;; node = node->next) {
        if (current == kNone || groups_[current].count >= groupTarget) {
            current = NewGroup(node, current == kNone ? previous : current);
        } else {
            node->group = current;
            ++groups_[current].count;
        }
        if (node == tail) break;
    }
}

void CNodeIndex::Unlinking(RecordNode* node)
{
    stale_ = true;
    const std::uint32_t id = node->group;
    Group& group = groups_[id];
    if (--group.count == 0) RemoveGroup(id);
    else if (group.first == node) group.first = node->next;  // groups are runs: the next is in it
}

void CNodeIndex::Split(std::uint32_t id)
{
    const RecordIndex kept = groups_[id].count / 2;
    RecordNode* node = groups_[id].first;
    for (RecordIndex i = 0; i < kept; ++i) node = node->next;
    const RecordIndex moved = groups_[id].count - kept;
    const std::uint32_t added = NewGroup(node, id);
    groups_[added].count = moved;
    groups_[id].count = kept;
    for (RecordIndex i = 0; i < moved; ++i, node = node->next) node->group = added;
}

void CNodeIndex::Rebuild()
{
    order_.clear();
    starts_.clear();
    RecordIndex start = 0;
    for (std::uint32_t id = firstGroup_; id != kNone; id = groups_[id].next) {
        // Neighbours that edits left small become one group again.
        for (std::uint32_t next = groups_[id].next;
             next != kNone && groups_[id].count + groups_[next].count <= groupTarget; next = groups_[id].next) {
            RecordNode* node = groups_[next].first;
            for (RecordIndex i = groups_[next].count; i > 0; --i, node = node->next) node->group = id;
            groups_[id].count += groups_[next].count;
            RemoveGroup(next);
        }
        order_.push_back(id);
        starts_.push_back(start);
        start += groups_[id].count;
    }
    total_ = start;
    stale_ = false;
}

RecordNode* CNodeIndex::NodeAt(RecordIndex index)
{
    if (stale_) Rebuild();
    if (index < 0 || index >= total_) return nullptr;
    const auto at = std::upper_bound(starts_.begin(), starts_.end(), index) - starts_.begin() - 1;
    const auto position = static_cast<std::size_t>(at);
    const Group& group = groups_[order_[position]];
    RecordIndex offset = index - starts_[position];
    // From the group's first record, or back from the next group's.
    if (offset > group.count / 2 && position + 1 < order_.size()) {
        RecordNode* node = groups_[order_[position + 1]].first;
        for (RecordIndex back = group.count - offset; back > 0; --back) node = node->prev;
        return node;
    }
    RecordNode* node = group.first;
    for (; offset > 0; --offset) node = node->next;
    return node;
}

bool CNodeIndex::Describes(const RecordNode* head) const
{
    const RecordNode* node = head;
    std::uint32_t previous = kNone;
    for (std::uint32_t id = firstGroup_; id != kNone; previous = id, id = groups_[id].next) {
        const Group& group = groups_[id];
        if (group.prev != previous || group.count <= 0 || group.first != node) return false;
        for (RecordIndex i = 0; i < group.count; ++i, node = node->next)
            if (!node || node->group != id) return false;
    }
    return node == nullptr && lastGroup_ == previous;
}
