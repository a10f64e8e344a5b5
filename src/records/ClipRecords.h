#pragma once
#include <cstdint>

#include "records/RecordChain.h"

class IClipboardTransport;

// The clipboard holder: the records that Cut and Copy took from the document
// and that Paste puts back, as a chain of its own. A copied chain belongs to
// the holder until it is next emptied; Cut hands its chain on to the undo
// journal and Paste links it into the document, both keeping the counts for
// their status messages.
class CClipRecords {
public:
    CClipRecords() = default;
    virtual ~CClipRecords();
    CClipRecords(const CClipRecords&) = delete;
    CClipRecords& operator=(const CClipRecords&) = delete;

    // Frees every held record; the holder is empty.
    void Clear();
    // Places the held records on the system clipboard (when a transport is
    // installed).
    void PutOnClipboard();
    // Replaces the held records by the system clipboard's. When it holds
    // nothing usable the holder stays as it is.
    void GetFromClipboard();

    // Appends a record holding a copy of `length` bytes. False when memory
    // runs out (already reported).
    [[nodiscard]] bool AppendRecord(const std::uint8_t* bytes, int length);
    // Takes a chain over; the holder must be without a chain.
    void TakeChain(const RecordChain& chain);
    // Gives the chain away (to the document or the undo journal): the holder
    // is left without records but keeps recordCount and totalBytes.
    [[nodiscard]] RecordNode* ReleaseChain();
    [[nodiscard]] bool HasRecords() const { return head != nullptr; }

    // Null (the default) keeps the records in memory only.
    void SetTransport(IClipboardTransport* transport) { transport_ = transport; }

    RecordNode* head = nullptr;
    RecordNode* tail = nullptr;
    RecordIndex recordCount = 0;
    ByteTotal totalBytes = 0;
    bool endsWithBreak = false;

private:
    IClipboardTransport* transport_ = nullptr;
};
