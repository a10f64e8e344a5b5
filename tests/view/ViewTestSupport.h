#pragma once
#include <memory>
#include <string>
#include <vector>

#include "view/AppViewBase.h"
#include "view/ScrollBarModel.h"
#include "view/ViewHost.h"

class CRecordList;

// Records every call the view makes to its host. Like the main frame, its
// UpdateStatus refreshes the view's horizontal range and caret.
class RecordingViewHost : public IViewHost {
public:
    struct Caret {
        int x, y, width, height;
    };

    explicit RecordingViewHost(CAppViewBase* view = nullptr) : view_(view) {}

    void InvalidatePane(ViewPane pane) override { invalidated.push_back(pane); }
    void PlaceCaret(int x, int y, int width, int height) override
    {
        caret = Caret{x, y, width, height};
        caretShown = true;
    }
    void HideCaretNow() override { caretShown = false; }
    void SetVertScrollBar(const ScrollBarState& bar) override { vertScroll = bar; }
    void SetHorzScrollBar(const ScrollBarState& bar) override { horzScroll = bar; }
    void UpdateModePanes() override { ++modePaneUpdates; }
    void UpdateStatus() override
    {
        ++statusUpdates;
        if (view_) {
            view_->UpdateHScrollRange();
            view_->UpdateCaret();
        }
    }
    void SetMessage(const std::string& text) override { messages.push_back(text); }

    bool Invalidated(ViewPane pane) const;
    void Clear() { invalidated.clear(); }

    std::vector<ViewPane> invalidated;
    Caret caret{};
    bool caretShown = false;
    ScrollBarState vertScroll;
    ScrollBarState horzScroll;
    int modePaneUpdates = 0;
    int statusUpdates = 0;
    std::vector<std::string> messages;

private:
    CAppViewBase* view_;
};

// A record list holding the given records, installed as theRecordList for
// the lifetime of the object (the previous one is put back afterwards).
class TestDocument {
public:
    explicit TestDocument(const std::vector<std::string>& records);
    ~TestDocument();
    TestDocument(const TestDocument&) = delete;
    TestDocument& operator=(const TestDocument&) = delete;

    CRecordList& List() { return *list_; }

private:
    std::unique_ptr<CRecordList> list_;
    CRecordList* saved_;
};

// n records "record 0" .. "record n-1".
std::vector<std::string> NumberedRecords(int n);

// A view with its recording host, showing the program's current document
// (theRecordList), measured like an 8 x 17 font and laid out to pageCols x
// pageRows, then reset to the start of that document.
struct TestView {
    explicit TestView(int cols = 80, int rows = 20);
    CAppViewBase view;
    RecordingViewHost host{&view};
};
