#pragma once
#include <cstdint>
#include <string>

#include "EditDoubles.h"
#include "app/DocumentHooks.h"
#include "app/Globals.h"
#include "records/ClipRecords.h"
#include "records/RecordEdits.h"
#include "records/RecordTestHelpers.h"
#include "records/UndoBuffer.h"
#include "support/TestPlatform.h"

// An empty journal and clipboard holder, the document's modified state and a
// stand-in for the view's caret, for the lifetime of the object.
class JournalScope {
public:
    JournalScope() : savedHooks_(theDocumentHooks)
    {
        theUndoBuffer.Reset();
        theClipRecords.Clear();
        theDocumentHooks = &hooks;
    }
    ~JournalScope()
    {
        theUndoBuffer.Reset();
        theClipRecords.SetTransport(nullptr);
        theClipRecords.Clear();
        theDocumentHooks = savedHooks_;
    }
    JournalScope(const JournalScope&) = delete;
    JournalScope& operator=(const JournalScope&) = delete;

    // Caret at (record, byte) and the first visible record at `top`.
    void CaretAt(const CRecordList& list, int record, int byte = 0, int top = 0)
    {
        view.caretNode = FindRelative(list.head, record);
        view.caretRecord = record;
        view.caretByte = byte;
        view.topNode = FindRelative(list.head, top);
        view.topRecord = top;
    }
    // Edit > Undo, as the editor calls it.
    bool Undo(CRecordList& list) { return CRecordEdits(list, theUndoBuffer, theDocumentHooks).Undo(view); }

    TestPlatform platform;
    edit_sequence::FlagHooks hooks;
    edit_sequence::StandInView view;

private:
    IDocumentHooks* savedHooks_;
};

// The journaled edits of `list` into the program's journal, marking the
// installed document hooks.
inline CRecordEdits EditsOf(CRecordList& list) { return CRecordEdits(list, theUndoBuffer, theDocumentHooks); }

// Edits made the way the keyboard makes them.
inline void TypeAt(CRecordList& list, int record, int column, const std::string& text)
{
    RecordNode* node = FindRelative(list.head, record);
    for (std::size_t i = 0; i < text.size(); ++i)
        EXPECT_TRUE(EditsOf(list).Type(node, record, column + static_cast<int>(i), U(text) + i, 1));
}

// `secondDigit`: the low hex digit typed right after the high one.
inline void OverwriteAt(CRecordList& list, int record, int column, std::uint8_t byte, bool secondDigit = false)
{
    EXPECT_TRUE(EditsOf(list).Overwrite(FindRelative(list.head, record), record, column, byte, secondDigit));
}

inline void DeleteAt(CRecordList& list, int record, int column)
{
    EXPECT_TRUE(EditsOf(list).DeleteByte(FindRelative(list.head, record), record, column));
}

// Backspace with the caret at `caret`: deletes the byte before it.
inline void BackspaceAt(CRecordList& list, int record, int caret) { DeleteAt(list, record, caret - 1); }
