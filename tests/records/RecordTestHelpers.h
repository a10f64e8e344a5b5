#pragma once
#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "records/RecordList.h"
#include "records/RecordStorage.h"

// Shared by the record tests.

inline const std::uint8_t* U(const std::string& text) { return reinterpret_cast<const std::uint8_t*>(text.data()); }

inline std::string Text(const RecordNode* node)
{
    return std::string(reinterpret_cast<const char*>(node->data), node->length);
}

inline std::vector<std::string> Records(const CRecordList& list)
{
    std::vector<std::string> out;
    for (const RecordNode* n = list.head; n; n = n->next) out.push_back(Text(n));
    return out;
}

// A list holding the given records, in order.
inline std::unique_ptr<CRecordList> ListOf(std::initializer_list<std::string> records)
{
    auto list = std::make_unique<CRecordList>();
    for (const std::string& r : records) EXPECT_NE(nullptr, list->NewRecord(nullptr, U(r), static_cast<int>(r.size())));
    return list;
}

// Links consistent both ways, head and tail right, totals exact, every
// record's bytes in its own buffer or a live file image.
inline ::testing::AssertionResult ListIsConsistent(const CRecordList& list)
{
    std::int64_t count = 0;
    std::int64_t bytes = 0;
    const RecordNode* prev = nullptr;
    for (const RecordNode* n = list.head; n; prev = n, n = n->next) {
        if (n->prev != prev) return ::testing::AssertionFailure() << "bad prev link at record " << count;
        if (!RecordBytesInPlace(n)) return ::testing::AssertionFailure() << "bytes out of place at " << count;
        ++count;
        bytes += n->length;
    }
    if (list.tail != prev) return ::testing::AssertionFailure() << "tail is not the last record";
    if (count != list.recordCount)
        return ::testing::AssertionFailure() << "recordCount " << list.recordCount << ", linked " << count;
    if (bytes != list.totalBytes)
        return ::testing::AssertionFailure() << "totalBytes " << list.totalBytes << ", summed " << bytes;
    if (!list.nodeIndex.Describes(list.head)) return ::testing::AssertionFailure() << "the node index is out of step";
    RecordIndex index = 0;
    for (const RecordNode* n = list.head; n; n = n->next, ++index)
        if (list.NodeAt(index) != n) return ::testing::AssertionFailure() << "NodeAt(" << index << ") is another record";
    if (list.NodeAt(index) || list.NodeAt(-1)) return ::testing::AssertionFailure() << "NodeAt past the ends";
    return ::testing::AssertionSuccess();
}

// Source mode with the given settings, as the view hands them to the records.
inline SourceOptions SourceModeWith(int tabStop = 4, bool smartIndent = true, bool spacesForTab = false,
                                    bool expandTabsOnSave = false)
{
    SourceOptions options;
    options.sourceMode = true;
    options.tabStop = tabStop;
    options.smartIndent = smartIndent;
    options.spacesForTab = spacesForTab;
    options.expandTabsOnSave = expandTabsOnSave;
    return options;
}
