#pragma once
#include <string>

#include "commands/ClipboardCodec.h"
#include "records/ClipRecords.h"
#include "records/ClipboardTransport.h"

// A system clipboard in memory that holds the two forms as bytes, the way
// other programs see them, and reads them back as the program does:
// private block first, else text. Installed into the clipboard holder for
// its lifetime.
class MemoryClipboard : public IClipboardTransport {
public:
    explicit MemoryClipboard(CClipRecords& holder) : holder_(holder) { holder_.SetTransport(this); }
    ~MemoryClipboard() override { holder_.SetTransport(nullptr); }
    MemoryClipboard(const MemoryClipboard&) = delete;
    MemoryClipboard& operator=(const MemoryClipboard&) = delete;

    void Put(const CClipRecords& holder) override
    {
        ClipBytes bytes;
        hasBlock = EncodeClipBlock(holder.head, holder.endsWithBreak, bytes);
        block.assign(reinterpret_cast<const char*>(bytes.data.get()), bytes.size);
        hasText = EncodeClipText(holder.head, holder.endsWithBreak, bytes);
        text.assign(reinterpret_cast<const char*>(bytes.data.get()), bytes.size);
        ++puts;
    }
    bool Get(CClipRecords& holder) override
    {
        if (hasBlock && LoadClipForm(holder, ClipForm::Block, Bytes(block), block.size())) return true;
        return hasText && LoadClipForm(holder, ClipForm::Text, Bytes(text), text.size());
    }

    // Another program took the clipboard over.
    void HoldText(const std::string& bytes)
    {
        hasBlock = false;
        hasText = true;
        text = bytes;
    }
    void Empty() { hasBlock = hasText = false; }

    std::string block;
    std::string text;
    bool hasBlock = false;
    bool hasText = false;
    int puts = 0;

private:
    static const std::uint8_t* Bytes(const std::string& s) { return reinterpret_cast<const std::uint8_t*>(s.data()); }
    CClipRecords& holder_;
};
