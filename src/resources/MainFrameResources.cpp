#include "resources/MainFrameResources.h"

#include "resources/ResourceIds.h"

namespace {

constexpr MenuItemResource kFileMenu[] = {
    {ID_FILE_NEW, "&New\tCtrl+N"},
    {ID_FILE_OPEN, "&Open...\tCtrl+O"},
    {ID_FILE_SAVE_DOC, "&Save\tCtrl+S"},
    {ID_FILE_SAVE_AS_DOC, "Save &As..."},
    {0, nullptr},
    {ID_APP_EXIT, "E&xit"},
};

constexpr MenuItemResource kEditMenu[] = {
    {ID_EDIT_UNDO_LAST, "&Undo\tCtrl+Z"},
    {0, nullptr},
    {ID_EDIT_CUT, "Cu&t\tCtrl+X"},
    {ID_EDIT_COPY, "&Copy\tCtrl+C"},
    {ID_EDIT_PASTE, "&Paste\tCtrl+V"},
    {ID_EDIT_ADVANCE, "&Advance..."},
    {0, nullptr},
    {ID_EDIT_FIND, "&Find/Replace...\tCtrl+F"},
};

constexpr MenuItemResource kViewMenu[] = {
    {ID_VIEW_HEX, "&Hex\tCtrl+H"},
    {ID_VIEW_SOURCE, "S&ource"},
    {0, nullptr},
    {ID_VIEW_TOOLBAR, "&Toolbar"},
    {ID_VIEW_STATUS_BAR, "&Status Bar"},
    {0, nullptr},
    {ID_VIEW_PROPERTIES, "&Properties...\tCtrl+R"},
};

constexpr MenuItemResource kToolsMenu[] = {
    {ID_TOOLS_JUMP, "&Jump...\tCtrl+J"},
    {0, nullptr},
    {ID_FILE_PRINT, "&Print...\tCtrl+P"},
    {ID_FILE_PRINT_PREVIEW, "Print Pre&view"},
    {ID_FILE_PRINT_SETUP, "P&rint Setup..."},
    {0, nullptr},
    {ID_TOOLS_OPTIONS, "&Options..."},
};

constexpr MenuItemResource kHelpMenu[] = {
    {ID_HELP_WEB, "&Web Help..."},
    {0, nullptr},
    {ID_APP_ABOUT, "&About Tabulon..."},
};

constexpr MenuResource kMenus[] = {
    {"&File", kFileMenu}, {"&Edit", kEditMenu}, {"&View", kViewMenu},
    {"&Tools", kToolsMenu}, {"&Help", kHelpMenu},
};

constexpr AcceleratorResource kAccelerators[] = {
    {kAccelCtrl, AccelKey::Letter, 'N', ID_FILE_NEW},
    {kAccelCtrl, AccelKey::Letter, 'O', ID_FILE_OPEN},
    {kAccelCtrl, AccelKey::Letter, 'S', ID_FILE_SAVE_DOC},
    {kAccelCtrl, AccelKey::Letter, 'Z', ID_EDIT_UNDO_LAST},
    {kAccelCtrl, AccelKey::Letter, 'X', ID_EDIT_CUT},
    {kAccelShift, AccelKey::Delete, 0, ID_EDIT_CUT},
    {kAccelCtrl, AccelKey::Letter, 'C', ID_EDIT_COPY},
    {kAccelCtrl, AccelKey::Insert, 0, ID_EDIT_COPY},
    {kAccelCtrl, AccelKey::Letter, 'V', ID_EDIT_PASTE},
    {kAccelShift, AccelKey::Insert, 0, ID_EDIT_PASTE},
    {kAccelCtrl, AccelKey::Letter, 'F', ID_EDIT_FIND},
    {kAccelCtrl, AccelKey::Letter, 'E', ID_VIEW_ASCII},
    {kAccelCtrl, AccelKey::Letter, 'H', ID_VIEW_HEX},
    {kAccelCtrl, AccelKey::Letter, 'R', ID_VIEW_PROPERTIES},
    {kAccelCtrl, AccelKey::Letter, 'J', ID_TOOLS_JUMP},
    {kAccelCtrl, AccelKey::Letter, 'P', ID_FILE_PRINT},
    {kAccelAlt, AccelKey::Back, 0, ID_EDIT_UNDO},
    {kAccelNone, AccelKey::F1, 0, ID_HELP},
    {kAccelShift, AccelKey::F1, 0, ID_CONTEXT_HELP},
    {kAccelNone, AccelKey::F6, 0, ID_NEXT_PANE},
    {kAccelShift, AccelKey::F6, 0, ID_PREV_PANE},
};

constexpr int kToolbar[] = {
    ID_FILE_NEW, ID_FILE_OPEN, ID_FILE_SAVE_DOC, 0,
    ID_EDIT_CUT, ID_EDIT_COPY, ID_EDIT_PASTE, ID_EDIT_FIND, 0,
    ID_TOOLS_JUMP, ID_FILE_PRINT, 0,
    ID_VIEW_HEX, ID_VIEW_SOURCE, 0,
    ID_HELP_WEB,
};

}  // namespace

std::span<const MenuResource> MainMenuResource() { return kMenus; }
std::span<const AcceleratorResource> MainAcceleratorResource() { return kAccelerators; }
std::span<const int> MainToolbarResource() { return kToolbar; }
