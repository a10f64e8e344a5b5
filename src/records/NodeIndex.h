#pragma once
#include <cstdint>
#include <vector>

#include "records/RecordIndex.h"

struct RecordNode;

// Finds any record of a document by its index without walking the list from
// an end: a jump or a thumb drag to a far record in a document of a hundred
// million records costs a lookup and a walk of at most a group.
//
// The records are kept in groups of consecutive records, a few thousand
// each; every node carries the number of its group (RecordNode::group).
// The list tells the index of every link it makes or breaks, which keeps
// the groups' sizes and first records right at a constant cost per record.
// Where each group starts is summed again at the first lookup after a
// change, which also merges groups that edits left small.
class CNodeIndex {
public:
    CNodeIndex();

    // The list is empty.
    void Clear();
    // `node` has just been linked in, after node->prev or before node->next.
    void Linked(RecordNode* node);
    // The records head..tail, a chain from elsewhere, have just been linked
    // in; the records around them are in the list already.
    void ChainLinked(RecordNode* head, RecordNode* tail);
    // `node` is about to be unlinked: its links are still in place.
    void Unlinking(RecordNode* node);

    // The record at `index`; null when the list holds none there.
    [[nodiscard]] RecordNode* NodeAt(RecordIndex index);

    // For tests: whether the groups describe the list from `head` exactly.
    [[nodiscard]] bool Describes(const RecordNode* head) const;
    // Groups of `target` records (and at most twice that) from now on, for
    // tests that want many groups in a few records; 0 restores the default.
    static void SetGroupSizeForTesting(RecordIndex target);

private:
    static constexpr std::uint32_t kNone = 0xFFFFFFFFu;
    struct Group {
        RecordNode* first = nullptr;
        RecordIndex count = 0;  // 0: a free entry
        std::uint32_t prev = kNone;
        std::uint32_t next = kNone;
    };

    // A group of one record, `first`, placed after group `after` (kNone:
    // as the first group).
    std::uint32_t NewGroup(RecordNode* first, std::uint32_t after);
    void RemoveGroup(std::uint32_t id);
    // Moves the second half of a group that has grown too large into a
    // group of its own.
    void Split(std::uint32_t id);
    // Group starts (and small neighbours merged) after a change.
    void Rebuild();

    std::vector<Group> groups_;
    std::vector<std::uint32_t> free_;
    std::uint32_t firstGroup_ = kNone;
    std::uint32_t lastGroup_ = kNone;

    // From the last Rebuild: the groups in document order and where each
    // starts; stale after any change.
    bool stale_ = true;
    std::vector<std::uint32_t> order_;
    std::vector<RecordIndex> starts_;
    RecordIndex total_ = 0;
};
