#include "records/ReplaceAllLog.h"

#include <cstring>

#include "records/RecordList.h"

CReplaceAllLog::CReplaceAllLog(const std::uint8_t* replacement, int replacementLength, int searchLength)
    : replacement_(replacement, replacement + replacementLength), searchLength_(searchLength)
{
}

void CReplaceAllLog::Add(RecordIndex line, int column, const std::uint8_t* oldBytes)
{
    const auto length = static_cast<std::size_t>(searchLength_);
    if (uniformOld_ && !places_.empty() && std::memcmp(oldBytes_.data(), oldBytes, length) != 0) {
        std::vector<std::uint8_t> all;
        all.reserve((places_.size() + 1) * length);
        for (std::size_t i = 0; i < places_.size(); ++i) all.insert(all.end(), oldBytes_.begin(), oldBytes_.end());
        oldBytes_.swap(all);
        uniformOld_ = false;
    }
    if (!uniformOld_ || places_.empty()) oldBytes_.insert(oldBytes_.end(), oldBytes, oldBytes + length);
    places_.push_back({line, column});
}

const std::uint8_t* CReplaceAllLog::OldBytes(std::size_t index) const
{
    return oldBytes_.data() + (uniformOld_ ? 0 : index * static_cast<std::size_t>(searchLength_));
}

template <typename Visit>
bool CReplaceAllLog::ForEachRecord(RecordNode* node, RecordIndex line, Visit visit) const
{
    std::size_t first = 0;
    while (first < places_.size()) {
        const RecordIndex target = places_[first].line;
        node = node ? FindRelative(node, target - line) : nullptr;
        if (!node) return false;
        line = target;
        std::size_t last = first;
        while (last + 1 < places_.size() && places_[last + 1].line == target) ++last;
        if (!visit(node, first, last)) return false;
        first = last + 1;
    }
    return true;
}

bool CReplaceAllLog::Fits(RecordNode* node, RecordIndex line) const
{
    const int inserted = static_cast<int>(replacement_.size());
    return ForEachRecord(node, line, [&](RecordNode* record, std::size_t first, std::size_t last) {
        int previousEnd = 0;
        for (std::size_t i = first; i <= last; ++i) {
            const int column = places_[i].column;
            if (column < previousEnd || column + inserted > record->length) return false;
            if (inserted > 0 && std::memcmp(record->data + column, replacement_.data(), replacement_.size()) != 0)
                return false;
            previousEnd = column + inserted;
        }
        const std::int64_t restored =
            record->length + static_cast<std::int64_t>(last - first + 1) * (searchLength_ - inserted);
        return restored <= kMaxRecordLength;
    });
}

bool CReplaceAllLog::Restore(CRecordList& list, RecordNode* node, RecordIndex line) const
{
    const int inserted = static_cast<int>(replacement_.size());
    std::vector<std::uint8_t> buffer;
    return ForEachRecord(node, line, [&](RecordNode* record, std::size_t first, std::size_t last) {
        buffer.clear();
        int copied = 0;
        for (std::size_t i = first; i <= last; ++i) {
            const int column = places_[i].column;
            buffer.insert(buffer.end(), record->data + copied, record->data + column);
            buffer.insert(buffer.end(), OldBytes(i), OldBytes(i) + searchLength_);
            copied = column + inserted;
        }
        buffer.insert(buffer.end(), record->data + copied, record->data + record->length);
        return list.RestoreBytes(record, 0, record->length, buffer.data(), static_cast<int>(buffer.size()));
    });
}
