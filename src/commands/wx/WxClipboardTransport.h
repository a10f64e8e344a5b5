#pragma once
#include "records/ClipboardTransport.h"

// The system clipboard through the toolkit. Copy and Cut offer both forms at
// once: the private format "KELVOX" and the text form under the usual text
// targets (the text form's bytes as they are, without its final zero byte).
// Paste takes the private format when it is there, else text, in which a
// bare LF ends a record as CR LF does (programs here end lines with LF).
class CWxClipboardTransport : public IClipboardTransport {
public:
    void Put(const CClipRecords& holder) override;
    bool Get(CClipRecords& holder) override;
    // Hands what the program put on the clipboard to the desktop's clipboard
    // manager, where there is one, so that it outlives the program.
    void Flush();
};
