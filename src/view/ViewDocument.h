#pragma once

class CRecordList;
class CUndoBuffer;
class IDocumentHooks;
struct Settings;

// What the view shows and edits, asked for at each use so that the view
// always works on the current document: the record list, the undo journal
// and modified mark its edits go to, and the settings it follows. The
// running program answers from its app-wide objects (app/AppViewDocument.h).
class IViewDocument {
public:
    virtual ~IViewDocument() = default;
    // The records shown; null while there is no document.
    virtual CRecordList* Records() const = 0;
    virtual CUndoBuffer& Journal() const = 0;
    // May be null: edits then mark nothing.
    virtual IDocumentHooks* Hooks() const = 0;
    virtual const Settings& Preferences() const = 0;
};
