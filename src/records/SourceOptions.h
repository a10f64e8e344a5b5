#pragma once
#include <algorithm>
#include <cstdint>

// The source-mode preferences that some record operations follow. Callers
// fill them in from the view's source mode and the settings (srcMark,
// srcSmart, srcType, srcSave); the records read neither themselves.
struct SourceOptions {
    bool sourceMode = false;        // the view shows the records as source text
    std::int32_t tabStop = 4;       // srcMark: a tab stop every tabStop columns
    bool smartIndent = true;        // srcSmart: Enter repeats the record's indent
    bool spacesForTab = false;      // srcType: Tab types spaces, a block indent is spaces
    bool expandTabsOnSave = false;  // srcSave: the saved file has spaces for tabs

    // The last three apply in source mode only.
    bool SmartIndentOn() const { return sourceMode && smartIndent; }
    bool SpacesForTabOn() const { return sourceMode && spacesForTab; }
    bool ExpandTabsOnSaveOn() const { return sourceMode && expandTabsOnSave; }
    // Tab width of the block shift, within the 2 to 10 the settings allow.
    int BlockTabWidth() const { return std::clamp(static_cast<int>(tabStop), 2, 10); }
    // The block indent: BlockTabWidth spaces with spacesForTab, else 0 for one tab.
    int BlockIndentSpaces() const { return spacesForTab ? BlockTabWidth() : 0; }
};
