#pragma once
#include <cstdint>

#include "records/RecordList.h"
#include "records/RecordNode.h"

// The view's only ways into the record list, so that its layout lives in
// one place. Every function copes with a missing list or node.
namespace view_records {

inline const std::uint8_t* Bytes(const RecordNode* node)
{
    return node ? reinterpret_cast<const std::uint8_t*>(node->data) : nullptr;
}

inline int Length(const RecordNode* node) { return node ? static_cast<int>(node->length) : 0; }

inline RecordNode* Next(const RecordNode* node) { return node ? node->next : nullptr; }

inline RecordIndex Count(const CRecordList* list) { return list ? list->recordCount : 0; }

inline RecordNode* Head(const CRecordList* list) { return list ? list->head : nullptr; }

inline RecordNode* Tail(const CRecordList* list) { return list ? list->tail : nullptr; }

// A relative walk of delta records from node (which must be that far from
// either end of the list).
inline RecordNode* Walk(RecordNode* node, RecordIndex delta)
{
    return delta == 0 || !node ? node : FindRelative(node, delta);
}

// Records nearer than this are walked to; farther ones are looked up.
inline constexpr RecordIndex kNearRecords = 1024;

// The record at `index` through the list's node index; null when none.
inline RecordNode* Lookup(const CRecordList* list, RecordIndex index)
{
    return list ? list->NodeAt(index) : nullptr;
}

}  // namespace view_records
