#pragma once
#include <string>

#include "options/PageMetrics.h"

class CAppViewBase;
struct Settings;

// What a printed page shows, read from the settings and the view each time
// a page is drawn.
struct PrintOptions {
    bool printFile = true;    // header: the document's title
    bool printPage = true;    // footer: "Page %d"
    bool printLine = true;    // record-number column
    bool printRuler = false;  // ruler rows
    bool hexView = false;     // three rows per record: characters, high and low nibbles
    bool asciiView = true;    // bytes as they are, else through the EBCDIC table
    int tabWidth = 0;         // source mode's tab stops; 0 outside source mode
    std::string title;        // the document's full path, or "Untitled"
};

// The options now in force; a null view counts as the character view.
PrintOptions CurrentPrintOptions(const Settings& settings, const CAppViewBase* view, const std::string& title);

// Everything the page breaks depend on. Pages laid out with one layout are
// valid only for that layout.
struct PageLayout {
    int columnsPerLine = 1;
    int linesPerPage = 1;
    bool ruler = false;
    bool hex = false;
    int tabWidth = 0;
    bool operator==(const PageLayout&) const = default;
};

PageLayout LayoutFor(const PageMetrics& metrics, const PrintOptions& options);
