#pragma once
#include <array>
#include <string>

class CAppViewBase;
class CRecordList;

// The status-bar panes the main frame fills from the view and the record
// list. Either may be null (before they exist); the texts then describe an
// empty record with the caret at its start.

// Panes 2 to 5: hex display, the record list's format, source mode, insert.
std::array<std::string, 4> ModePaneTexts(const CAppViewBase* view, const CRecordList* list);

struct CaretPaneTexts {
    std::string message;   // pane 0: the caret record's length and byte
    std::string position;  // pane 1: "[record,column]"
};
CaretPaneTexts CaretStatusTexts(const CAppViewBase* view);
