#pragma once
// Stand-ins for what the record operations and the undo journal reach
// outside the records: the view's caret, the document's modified state, the
// system clipboard and the message box. Shared by the fuzz targets and the
// record tests.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/MessageBox.h"
#include "records/ClipRecords.h"
#include "records/ClipboardTransport.h"
#include "records/DocumentHooks.h"
#include "records/RecordList.h"
#include "records/RecordStorage.h"
#include "records/UndoView.h"

namespace edit_sequence {

using Records = std::vector<std::string>;

inline std::string Bytes(const RecordNode* node)
{
    return std::string(reinterpret_cast<const char*>(node->data), node->length);
}

inline const std::uint8_t* U(const std::string& text) { return reinterpret_cast<const std::uint8_t*>(text.data()); }

inline int Len(const std::string& text) { return static_cast<int>(text.size()); }

// Links, head, tail and both totals.
inline std::string ListProblem(const CRecordList& list)
{
    RecordIndex count = 0;
    ByteTotal bytes = 0;
    const RecordNode* prev = nullptr;
    for (const RecordNode* n = list.head; n; prev = n, n = n->next) {
        if (n->prev != prev) return "bad prev link at record " + std::to_string(count);
        if (!RecordBytesInPlace(n)) return "bytes out of place at record " + std::to_string(count);
        ++count;
        bytes += n->length;
    }
    if (list.tail != prev) return "tail is not the last record";
    if (count == 0) return "the list has no record";
    if (count != list.recordCount)
        return "recordCount " + std::to_string(list.recordCount) + ", linked " + std::to_string(count);
    if (bytes != list.totalBytes)
        return "totalBytes " + std::to_string(list.totalBytes) + ", summed " + std::to_string(bytes);
    if (!list.nodeIndex.Describes(list.head)) return "the node index does not describe the list";
    for (const RecordIndex at : {RecordIndex{0}, count / 2, count - 1})
        if (list.NodeAt(at) != FindRelative(list.head, at))
            return "the node index finds another record at " + std::to_string(at);
    if (list.NodeAt(count)) return "the node index finds a record past the last";
    return {};
}

inline Records Contents(const CRecordList& list)
{
    Records out;
    for (const RecordNode* n = list.head; n; n = n->next) out.push_back(Bytes(n));
    return out;
}

class QuietMessageBox : public IMessageBox {
public:
    MbResult Show(const std::string&, const std::string&, MbIcon, MbButtons, WindowHandle) override
    {
        ++shown;
        return MbResult::Ok;
    }
    int shown = 0;
};

// What the system clipboard would hold.
struct ClipContent {
    bool present = false;
    Records records;
    bool endsWithBreak = false;
};

class MemoryClipboard : public IClipboardTransport {
public:
    void Put(const CClipRecords& holder) override
    {
        content.present = true;
        content.records.clear();
        for (const RecordNode* n = holder.head; n; n = n->next) content.records.push_back(Bytes(n));
        content.endsWithBreak = holder.endsWithBreak;
    }
    bool Get(CClipRecords& holder) override
    {
        if (!content.present) return false;
        holder.Clear();
        for (const std::string& r : content.records)
            if (!holder.AppendRecord(U(r), Len(r))) return false;
        holder.endsWithBreak = content.endsWithBreak;
        return true;
    }
    ClipContent content;
};

class FlagHooks : public IDocumentHooks {
public:
    void MarkModified() override { modified = true; }
    void ClearModified() override
    {
        modified = false;
        ++cleared;
    }
    bool modified = false;
    int cleared = 0;
};

class StandInView : public IUndoView {
public:
    RecordNode* UndoCaretNode() const override { return caretNode; }
    RecordIndex UndoCaretRecord() const override { return caretRecord; }
    RecordNode* UndoTopNode() const override { return topNode; }
    RecordIndex UndoTopRecord() const override { return topRecord; }
    void SetUndoTop(RecordNode* node, RecordIndex record) override
    {
        topNode = node;
        topRecord = record;
    }
    void PlaceUndoCaret(RecordNode* node, RecordIndex record, int byte) override
    {
        caretNode = node;
        caretRecord = record;
        caretByte = byte;
        ++placed;
    }
    RecordNode* caretNode = nullptr;
    RecordIndex caretRecord = 0;
    std::int32_t caretByte = 0;
    RecordNode* topNode = nullptr;
    RecordIndex topRecord = 0;
    int placed = 0;
};

}  // namespace edit_sequence
