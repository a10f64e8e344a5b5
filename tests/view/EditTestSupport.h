#pragma once
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/DocumentHooks.h"
#include "app/Globals.h"
#include "records/RecordList.h"
#include "records/RecordNode.h"
#include "support/TestPlatform.h"
#include "view/ViewTestSupport.h"

// Counts what the document is told.
class CountingDocumentHooks : public IDocumentHooks {
public:
    void MarkModified() override { ++modified; }
    void ClearModified() override { ++cleared; }
    int modified = 0;
    int cleared = 0;
};

// Lowers the limit of the document's counters for its lifetime, so that
// edits reach it without gigabytes of records.
struct LoweredCounterLimit {
    explicit LoweredCounterLimit(std::int64_t limit) { SetDocumentCounterLimitForTesting(limit); }
    ~LoweredCounterLimit() { SetDocumentCounterLimitForTesting(0); }
};

// A document of the given records in a view of cols x rows, installed as the
// program's view, with message boxes recorded and the settings, document
// hooks and view pointer put back afterwards.
class EditScene {
public:
    explicit EditScene(const std::vector<std::string>& records, int cols = 80, int rows = 20);
    ~EditScene();
    EditScene(const EditScene&) = delete;
    EditScene& operator=(const EditScene&) = delete;

    CAppViewBase& View() { return view_.view; }
    RecordingViewHost& Host() { return view_.host; }
    CRecordList& List() { return document_.List(); }

    // The records' bytes, in order.
    std::vector<std::string> Texts() const;
    std::string Text(int record) const;
    // The node of a record, counted from the head (for checking only).
    RecordNode* Counted(RecordIndex record) const;
    // Puts the caret at (record, row within the record, byte) with no
    // selection.
    void PutCaret(int record, int rowInRecord, int byte);
    // Selects from (startRecord, startByte) to (endRecord, endByte).
    void Select(int startRecord, int startByte, int endRecord, int endByte);
    // Types each character of text as OnChar does.
    void Type(const std::string& text, bool shift = false);
    void Key(int scanCode, bool ctrl = false) { View().OnKey(ctrl, scanCode); }
    // Edit > Undo as far as the records and the caret go.
    bool Undo();
    // The message boxes shown since the last call, a "caption: text" line
    // each.
    std::string Boxes();
    // "record:byte-record:byte" of the selection.
    std::string Selection();
    // The view's held nodes sit at the indexes stored beside them, the
    // selection is ordered, and the list is consistent.
    ::testing::AssertionResult Consistent() const;

    TestPlatform platform;
    CountingDocumentHooks document;

private:
    Settings savedSettings_;
    IDocumentHooks* savedHooks_;
    CAppViewBase* savedView_;
    TestDocument document_;
    TestView view_;
};
