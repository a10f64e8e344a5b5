#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "commands/FindMatcher.h"
#include "commands/FindPattern.h"
#include "platform/MessageBox.h"
#include "records/RecordEdits.h"

class CAppViewBase;
class CRecordList;

// The Find and Replace dialog without its window: its state, the enabling
// of its controls, its histories and its commands on the view. The dialog
// copies its controls into searchText, replaceText and direction before a
// command, and shows the histories and enabling afterwards.
class CFindReplaceLogic {
public:
    // --- Dialog state ---
    std::int32_t direction = 0;  // 0 forward, 1 backward
    std::string searchText;
    std::string replaceText;
    // The last Search or Replace left the caret on a match (or the
    // selection was taken as the search text); any other caret movement
    // clears it.
    bool found = false;
    FindPattern searchPattern;
    FindPattern replacePattern;
    std::vector<std::string> findItems;
    std::vector<std::string> replItems;

    // --- Enabled controls ---
    bool searchEnabled = false;
    bool replaceEnabled = false;
    bool replaceAllEnabled = false;
    bool replaceBoxEnabled = false;

    // After a command moved the caret or changed the records: repaint the
    // view and refresh the status bar (which reports CaretMoved).
    std::function<void()> refreshView;
    // Owner of the message boxes.
    WindowHandle owner = nullptr;

    // The search text was edited / chosen from the history list.
    void SearchTextEdited();
    void HistoryChosen();
    // A selection within one record becomes the search text. False when
    // there is none (nothing changes).
    bool TakeSelection(const CAppViewBase& view);
    void CaretMoved();

    // The three commands, on the view's records (`list`, or those `edits`
    // change). Search and Replace answer whether a match is now selected;
    // ReplaceAll how many replacements it made.
    bool Search(CAppViewBase& view, CRecordList& list);
    bool Replace(CAppViewBase& view, CRecordEdits edits);
    std::int64_t ReplaceAll(CAppViewBase& view, CRecordEdits edits);

private:
    // Checks and parses the texts and updates their histories; false (with
    // the message shown) for a text the dialog refuses.
    bool ReadTexts(bool withReplacement);
    // Where the search starts and how far it skips: past the match found
    // last, or from the caret.
    FindPosition SearchStart(const CAppViewBase& view, int& skip) const;
    void SelectMatch(CAppViewBase& view, const FindPosition& at, const FindPosition& end);
    void SetFound(const FindPosition& at);
    void Refresh();

    RecordIndex foundRecord_ = 0;
    std::int32_t foundColumn_ = 0;
};
