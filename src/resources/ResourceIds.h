#pragma once

// Numeric ids of the program's resources: commands, status-bar indicators,
// dialogs and their controls, and the one timer. The values are fixed; other
// parts of the program and stored shell verbs rely on nothing but the names,
// yet keeping the numbers stable keeps logs and tests comparable.

// The main frame's menu, accelerator table, toolbar, icon and title string.
inline constexpr int IDR_MAINFRAME = 128;

enum CommandId : int {
    // File
    ID_FILE_NEW = 57600,
    ID_FILE_OPEN = 57601,
    ID_FILE_SAVE_DOC = 220,
    ID_FILE_SAVE_AS_DOC = 201,
    ID_APP_EXIT = 57665,
    // Edit
    ID_EDIT_UNDO_LAST = 202,
    ID_EDIT_CUT = 57635,
    ID_EDIT_COPY = 57634,
    ID_EDIT_PASTE = 57637,
    ID_EDIT_ADVANCE = 203,
    ID_EDIT_FIND = 204,
    // View
    ID_VIEW_ASCII = 205,
    ID_VIEW_HEX = 206,
    ID_VIEW_SOURCE = 207,
    ID_VIEW_TOOLBAR = 59392,
    ID_VIEW_STATUS_BAR = 59393,
    ID_VIEW_PROPERTIES = 208,
    // Tools
    ID_TOOLS_JUMP = 209,
    ID_FILE_PRINT = 57607,
    ID_FILE_PRINT_PREVIEW = 57609,
    ID_FILE_PRINT_SETUP = 57606,
    ID_TOOLS_OPTIONS = 210,
    // Help
    ID_HELP_WEB = 211,
    ID_APP_ABOUT = 57664,
    // Bound to keys in the accelerator table but handled nowhere.
    ID_EDIT_UNDO = 57643,
    ID_HELP = 57670,
    ID_CONTEXT_HELP = 57669,
    ID_NEXT_PANE = 57680,
    ID_PREV_PANE = 57681,
};

// Status-bar indicators (their string holds the pane's initial text).
enum IndicatorId : int {
    ID_INDICATOR_POS = 101,
    ID_INDICATOR_HEX = 103,
    ID_INDICATOR_INS = 104,
    ID_INDICATOR_FMT = 105,
    ID_INDICATOR_SRC = 106,
    ID_INDICATOR_CAPS = 59137,
    ID_INDICATOR_NUM = 59138,
};

// The idle prompt of the status bar's message pane.
inline constexpr int AFX_IDS_IDLEMESSAGE = 57345;

// Dialogs and their controls.
inline constexpr int IDD_ABOUTBOX = 400;
inline constexpr int IDC_BUILD_DATE = 1415;

// Tools > Jump and Edit > Find and Replace.
inline constexpr int IDD_JUMP = 401;
inline constexpr int IDC_JUMP_MODE = 402;
inline constexpr int IDC_JUMP_VALUE = 403;
inline constexpr int IDC_JUMP_FORWARD = 404;
inline constexpr int IDC_JUMP_BACKWARD = 405;
inline constexpr int IDC_JUMP = 406;
inline constexpr int IDC_JUMP_CLOSE = 407;
inline constexpr int IDC_JUMP_DIRECTION = 408;
inline constexpr int IDC_JUMP_VALUE_LABEL = 409;

inline constexpr int IDD_FIND_REPLACE = 500;
inline constexpr int IDC_FIND_TEXT = 501;
inline constexpr int IDC_REPLACE_TEXT = 502;
inline constexpr int IDC_FIND_FORWARD = 503;
inline constexpr int IDC_FIND_BACKWARD = 504;
inline constexpr int IDC_FIND_SEARCH = 505;
inline constexpr int IDC_FIND_REPLACE = 506;
inline constexpr int IDC_FIND_REPLACE_ALL = 507;
inline constexpr int IDC_FIND_CLOSE = 508;

inline constexpr int IDD_OPEN_EXTENSION = 600;
inline constexpr int IDC_OPEN_AS_GROUP = 601;
inline constexpr int IDC_OPEN_AUTO = 602;
inline constexpr int IDC_OPEN_BINARY = 603;
inline constexpr int IDC_WIDTH_LABEL = 604;
inline constexpr int IDC_WIDTH_EDIT = 605;
inline constexpr int IDC_OPEN_DOS = 606;
inline constexpr int IDC_OPEN_UNIX = 607;

inline constexpr int IDD_SAVE_EXTENSION = 700;
inline constexpr int IDC_SAVE_FORMAT = 701;

// Edit > Advance Clipboard.
inline constexpr int IDD_ADVANCE = 800;
inline constexpr int IDC_ADVANCE_START = 801;
inline constexpr int IDC_ADVANCE_END = 802;
inline constexpr int IDC_ADVANCE_CUT = 803;
inline constexpr int IDC_ADVANCE_COPY = 804;
inline constexpr int IDC_ADVANCE_CLOSE = 805;

// View > Properties.
inline constexpr int IDD_PROPERTIES = 900;
inline constexpr int IDC_PROPERTIES_TAB = 901;
inline constexpr int IDC_PROPERTIES_TEXT = 902;

// The Options sheet's pages: Printing, Source and Setup.
inline constexpr int IDD_TOOLS_PRINT = 1000;
inline constexpr int IDC_PRINT_FILE = 1001;
inline constexpr int IDC_PRINT_PAGE = 1002;
inline constexpr int IDC_PRINT_LINE = 1003;
inline constexpr int IDC_PRINT_RULER = 1004;
inline constexpr int IDC_PRINT_FONT = 1005;
inline constexpr int IDC_PRINT_FONT_SPIN = 1006;
// Left, Right, Top and Bottom margin: edit, spin; the next margin two on.
inline constexpr int IDC_PRINT_LEFT = 1007;
inline constexpr int IDC_PRINT_LEFT_SPIN = 1008;
inline constexpr int IDC_PRINT_RIGHT = 1009;
inline constexpr int IDC_PRINT_RIGHT_SPIN = 1010;
inline constexpr int IDC_PRINT_TOP = 1011;
inline constexpr int IDC_PRINT_TOP_SPIN = 1012;
inline constexpr int IDC_PRINT_BOTTOM = 1013;
inline constexpr int IDC_PRINT_BOTTOM_SPIN = 1014;

inline constexpr int IDD_TOOLS_SOURCE = 1100;
inline constexpr int IDC_SRC_SMART = 1101;
inline constexpr int IDC_SRC_TYPE = 1102;
inline constexpr int IDC_SRC_SAVE = 1103;
inline constexpr int IDC_SRC_MARK = 1104;
inline constexpr int IDC_SRC_MARK_SPIN = 1105;

inline constexpr int IDD_TOOLS_SETUP = 1200;
inline constexpr int IDC_AUTO_HEX = 1201;
inline constexpr int IDC_AUTO_SOURCE = 1202;
inline constexpr int IDC_REGISTRY_ACCESS = 1203;
inline constexpr int IDC_INSTALL_SHORTCUTS = 1204;
inline constexpr int IDC_FILE_ASSOCIATIONS = 1205;
inline constexpr int IDC_AUTO_SAVE = 1206;

inline constexpr int IDD_INSTALL_PATH = 1300;
inline constexpr int IDC_INSTALL_PATH = 1301;
inline constexpr int IDC_INSTALL_BROWSE = 1302;

inline constexpr int IDD_FILE_TYPES = 1400;
inline constexpr int IDC_TYPE_LIST = 1401;
inline constexpr int IDC_TYPE_EXTENSIONS = 1402;
inline constexpr int IDC_TYPE_ENABLE = 1403;
inline constexpr int IDC_TYPE_VIEW_GROUP = 1404;
inline constexpr int IDC_TYPE_HEX = 1405;
inline constexpr int IDC_TYPE_SOURCE = 1406;
inline constexpr int IDC_TYPE_OPEN_GROUP = 1407;
inline constexpr int IDC_TYPE_AUTO = 1408;
inline constexpr int IDC_TYPE_BINARY = 1409;
inline constexpr int IDC_TYPE_DOS = 1410;
inline constexpr int IDC_TYPE_UNIX = 1411;
inline constexpr int IDC_TYPE_WIDTH_LABEL = 1412;
inline constexpr int IDC_TYPE_WIDTH = 1413;


// The main frame's autosave timer and its period (five minutes).
inline constexpr int AUTOSAVE_TIMER = 1;
inline constexpr int kAutoSavePeriodMs = 300000;

// The toolkit takes command and window ids below 32768 only; the ids of the
// framework range (57344 and up) are shifted down by 32768 for it. Both
// ranges stay apart: the program's own ids are small.
constexpr int ToolkitId(int id) { return id >= 0x8000 ? id - 0x8000 : id; }
