#pragma once

// What edits of the records need of the document: its modified state and
// the "*" mark in the window title. The document implements it; the journaled
// edit calls (records/RecordEdits.h) and the undo journal are handed one.
class IDocumentHooks {
public:
    virtual ~IDocumentHooks() = default;
    // After a change to the records: the first change marks the title.
    virtual void MarkModified() = 0;
    // The undo journal ran empty: drop the title's trailing "*" marks and the
    // modified flag.
    virtual void ClearModified() = 0;
};
