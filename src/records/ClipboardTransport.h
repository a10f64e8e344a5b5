#pragma once

class CClipRecords;

// The road between the clipboard holder and the system clipboard. The holder
// keeps its records in memory on its own; a transport, when one is
// installed, also puts them on the system clipboard and reads them back.
class IClipboardTransport {
public:
    virtual ~IClipboardTransport() = default;
    // Places the holder's records on the system clipboard.
    virtual void Put(const CClipRecords& holder) = 0;
    // Replaces the holder's records by the clipboard's (Clear, then
    // AppendRecord and the flag). False, with the holder unchanged, when the
    // clipboard holds nothing usable.
    [[nodiscard]] virtual bool Get(CClipRecords& holder) = 0;
};
