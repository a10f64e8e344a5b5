#include "resources/StringTable.h"

#include <cstring>

#include "resources/ResourceIds.h"

namespace {

struct StringEntry {
    int id;
    const char* text;
};

constexpr StringEntry kStrings[] = {
    {ID_FILE_SAVE_AS_DOC, "Save the active document with a new name"},
    {ID_EDIT_UNDO_LAST, "Undo the last edit command\nUndo"},
    {ID_EDIT_ADVANCE, "Select multiple lines to be placed on the Clipboard"},
    {ID_EDIT_FIND, "Find and/or replace characters\nSearch"},
    {ID_VIEW_ASCII, "View in ASCII mode"},
    {ID_VIEW_HEX, "Toggle Hex-view mode\nHex"},
    {ID_VIEW_SOURCE, "Toggle source code editing\nSource"},
    {ID_VIEW_PROPERTIES, "Detail information on the data file"},
    {ID_TOOLS_JUMP, "Jump to a specified line number\nJump"},
    {ID_TOOLS_OPTIONS, "Set Tabulon options"},
    {ID_HELP_WEB, "Tabulon Instructions\nReadme"},
    {ID_FILE_NEW, "Create a new document\nNew"},
    {ID_FILE_OPEN, "Open an existing document\nOpen"},
    {ID_EDIT_COPY, "Copy the selection and put it on the Clipboard\nCopy"},
    {ID_EDIT_CUT, "Cut the selection and put it on the Clipboard\nCut"},
    {ID_EDIT_PASTE, "Insert Clipboard contents\nPaste"},
    {ID_FILE_PRINT_SETUP, "Change the printer and printing options\nPrint Setup"},
    {ID_FILE_PRINT, "Print the active document\nPrint"},
    {ID_FILE_PRINT_PREVIEW, "Display full pages\nPrint Preview"},
    {ID_APP_EXIT, "Quit the application; prompts to save documents\nExit"},
    {ID_VIEW_TOOLBAR, "Show or hide the toolbar\nToggle ToolBar"},
    {ID_VIEW_STATUS_BAR, "Show or hide the status bar\nToggle StatusBar"},
    {ID_INDICATOR_POS, "[0000000,00000]"},
    {ID_INDICATOR_HEX, "HEX"},
    {ID_INDICATOR_FMT, "DOS"},
    {ID_INDICATOR_SRC, "SRC"},
    {ID_INDICATOR_INS, "INS"},
    {ID_INDICATOR_CAPS, "CAP"},
    {ID_INDICATOR_NUM, "NUM"},
    {AFX_IDS_IDLEMESSAGE, "For Help, visit https://tabulon.example.org/help/"},
};

}  // namespace

const char* LoadResourceString(int id)
{
    for (const StringEntry& entry : kStrings)
        if (entry.id == id) return entry.text;
    return nullptr;
}

std::string CommandPrompt(int id)
{
    const char* text = LoadResourceString(id);
    if (!text) return {};
    const char* newline = std::strchr(text, '\n');
    return newline ? std::string(text, newline) : std::string(text);
}

std::string CommandTooltip(int id)
{
    const char* text = LoadResourceString(id);
    if (!text) return {};
    const char* newline = std::strchr(text, '\n');
    return newline ? std::string(newline + 1) : std::string();
}
