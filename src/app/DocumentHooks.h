#pragma once

// What core operations need of the document: its modified state and the "*"
// mark in the window title. The document registers itself while it exists;
// without one (core tests) the calls go to whatever a test installed, or
// nowhere.
class IDocumentHooks {
public:
    virtual ~IDocumentHooks() = default;
    // After a change to the records: the first change marks the title.
    virtual void MarkModified() = 0;
    // The undo journal ran empty: drop the title's trailing "*" marks and the
    // modified flag.
    virtual void ClearModified() = 0;
};

extern IDocumentHooks* theDocumentHooks;

inline void MarkDocumentModified()
{
    if (theDocumentHooks) theDocumentHooks->MarkModified();
}

inline void ClearDocumentModified()
{
    if (theDocumentHooks) theDocumentHooks->ClearModified();
}
