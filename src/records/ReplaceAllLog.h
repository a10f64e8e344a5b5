#pragma once
#include <cstdint>
#include <vector>

#include "records/RecordNode.h"

class CRecordList;

// What Undo needs to reverse a Replace All exactly: the text that was put
// in, and for every replacement its place in the document as the Replace All
// left it and the bytes it took out. Places are kept in document order;
// replacements never overlap.
class CReplaceAllLog {
public:
    CReplaceAllLog(const std::uint8_t* replacement, int replacementLength, int searchLength);

    // One replacement, now at (line, column), that took out searchLength
    // bytes `oldBytes`. Must come after the previous one in the document.
    void Add(RecordIndex line, int column, const std::uint8_t* oldBytes);
    std::size_t Count() const { return places_.size(); }
    // Bytes the document gains when every replacement is put back.
    std::int64_t RestoredGrowth() const
    {
        return static_cast<std::int64_t>(places_.size()) *
               (searchLength_ - static_cast<std::int64_t>(replacement_.size()));
    }

    // Whether every replacement is still in place, `node` being the record
    // at index `line` (null: none).
    [[nodiscard]] bool Fits(RecordNode* node, RecordIndex line) const;
    // Puts the old bytes back in place of every replacement. Call only when
    // Fits holds. False when memory ran out part-way.
    [[nodiscard]] bool Restore(CRecordList& list, RecordNode* node, RecordIndex line) const;

private:
    struct Place {
        RecordIndex line;
        int column;
    };
    const std::uint8_t* OldBytes(std::size_t index) const;
    // Calls visit(node, first, last) for each record holding replacements
    // first..last (indexes into places_); false when a record is missing.
    template <typename Visit>
    bool ForEachRecord(RecordNode* node, RecordIndex line, Visit visit) const;

    std::vector<std::uint8_t> replacement_;
    int searchLength_;
    std::vector<Place> places_;
    // Usually every replacement took out the same bytes: they are kept once
    // until one differs.
    std::vector<std::uint8_t> oldBytes_;
    bool uniformOld_ = true;
};
