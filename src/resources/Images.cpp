#include "resources/Images.h"

#include "resources/ResourceIds.h"

// The toolbar's button images (16 by 15 pixels) and the program icon
// (32 by 32), drawn for this program, in XPM form.

namespace {

const char* const kNewXpm[] = {
    "16 15 3 1",
    ". c None",
    "k c #000000",
    "w c #FFFFFF",
    "................",
    "..kkkkkkkk......",
    "..kwwwwwwkk.....",
    "..kwwwwwwkwk....",
    "..kwwwwwwkkkk...",
    "..kwwwwwwwwwk...",
    "..kwwwwwwwwwk...",
    "..kwwwwwwwwwk...",
    "..kwwwwwwwwwk...",
    "..kwwwwwwwwwk...",
    "..kwwwwwwwwwk...",
    "..kwwwwwwwwwk...",
    "..kwwwwwwwwwk...",
    "..kkkkkkkkkkk...",
    "................",
};

const char* const kOpenXpm[] = {
    "16 15 3 1",
    ". c None",
    "k c #000000",
    "y c #FFD24A",
    "................",
    "................",
    ".kkkkk..........",
    "kyyyyyk.........",
    "kyyyyyykkkkkkk..",
    "kyyyyyyyyyyyyk..",
    "kyyyyyyyyyyyyk..",
    "kyyyyyyyyyyyyk..",
    "kyyyyyyyyyyyyk..",
    "kyyyyyyyyyyyyk..",
    "kyyyyyyyyyyyyk..",
    "kyyyyyyyyyyyyk..",
    "kkkkkkkkkkkkkk..",
    "................",
    "................",
};

const char* const kSaveXpm[] = {
    "16 15 5 1",
    ". c None",
    "b c #1E5AA8",
    "g c #C0C0C0",
    "k c #000000",
    "w c #FFFFFF",
    "................",
    ".kkkkkkkkkkkkkk.",
    ".kbkwwwwwwwwkbk.",
    ".kbkwwwwwwwwkbk.",
    ".kbkwwwwwwwwkbk.",
    ".kbkwwwwwwwwkbk.",
    ".kbbkkkkkkkkbbk.",
    ".kbbbbbbbbbbbbk.",
    ".kbbkkkkkkkkbbk.",
    ".kbbkgggkwwkbbk.",
    ".kbbkgggkwwkbbk.",
    ".kbbkgggkwwkbbk.",
    ".kbbkkkkkkkkbbk.",
    ".kkkkkkkkkkkkkk.",
    "................",
};

const char* const kCutXpm[] = {
    "16 15 3 1",
    ". c None",
    "k c #000000",
    "r c #C02020",
    "................",
    "....k.....k.....",
    "....k.....k.....",
    "....kk...kk.....",
    ".....k...k......",
    ".....kk.kk......",
    "......kkk.......",
    ".......k........",
    "......rkr.......",
    "....rrr.rrr.....",
    "...r..r.r..r....",
    "...r..r.r..r....",
    "...r..r.r..r....",
    "....rr...rr.....",
    "................",
};

const char* const kCopyXpm[] = {
    "16 15 3 1",
    ". c None",
    "k c #000000",
    "w c #FFFFFF",
    "kkkkkkkk........",
    "kwwwwwwk........",
    "kwkkkkwk........",
    "kwwwwwwk........",
    "kwkkkkwk........",
    "kwwwwwkkkkkkkkk.",
    "kwkkkkkwwwwwwwk.",
    "kwwwwwkwkkkkkwk.",
    "kwkkkkkwwwwwwwk.",
    "kkkkkkkwkkkkkwk.",
    "......kwwwwwwwk.",
    "......kwkkkkkwk.",
    "......kwwwwwwwk.",
    "......kkkkkkkkk.",
    "................",
};

const char* const kPasteXpm[] = {
    "16 15 6 1",
    ". c None",
    "d c #808080",
    "g c #C0C0C0",
    "k c #000000",
    "w c #FFFFFF",
    "y c #FFD24A",
    "....kkkkk.......",
    ".dddkgggkddd....",
    ".dyydkkkdyyd....",
    ".dyyyyyyyyyd....",
    ".dyyyykkkkkkkkk.",
    ".dyyyykwwwwwwwk.",
    ".dyyyykwkkkkkwk.",
    ".dyyyykwwwwwwwk.",
    ".dyyyykwkkkkkwk.",
    ".dyyyykwwwwwwwk.",
    ".dyyyykwkkkkkwk.",
    ".dddddkwwwwwwwk.",
    "......kkkkkkkkk.",
    "................",
    "................",
};

const char* const kFindXpm[] = {
    "16 15 4 1",
    ". c None",
    "c c #7FC8F0",
    "k c #000000",
    "w c #FFFFFF",
    "................",
    "...kkkk.........",
    "..kwwwwk........",
    ".kwcwwwwk.......",
    ".kcwwwwwk.......",
    ".kwwwwwwk.......",
    ".kwwwwwwk.......",
    "..kwwwwk........",
    "...kkkkkk.......",
    ".......kkk......",
    "........kkk.....",
    ".........kkk....",
    "..........kkk...",
    "...........kk...",
    "................",
};

const char* const kJumpXpm[] = {
    "16 15 3 1",
    ". c None",
    "b c #1E5AA8",
    "k c #000000",
    "................",
    "..kkkkkkkk......",
    "..kkkkkkkk......",
    "........kk......",
    "........kk......",
    "........kk......",
    "........kk......",
    ".....kkkkkkkk...",
    "......kkkkkk....",
    ".......kkkk.....",
    "........kk......",
    "................",
    "..bbbbbbbbbbbb..",
    "..bbbbbbbbbbbb..",
    "................",
};

const char* const kPrintXpm[] = {
    "16 15 5 1",
    ". c None",
    "g c #C0C0C0",
    "k c #000000",
    "r c #C02020",
    "w c #FFFFFF",
    "................",
    "....kkkkkkkk....",
    "....kwwwwwwk....",
    "....kwkkkkwk....",
    "....kwwwwwwk....",
    ".kkkkkkkkkkkkkk.",
    ".kggggggggggggk.",
    ".kggggggggggrrk.",
    ".kggggggggggggk.",
    ".kkkkkkkkkkkkkk.",
    "....kwwwwwwk....",
    "....kwkkkkwk....",
    "....kwwwwwwk....",
    "....kkkkkkkk....",
    "................",
};

const char* const kHexXpm[] = {
    "16 15 2 1",
    ". c None",
    "k c #000000",
    "................",
    "................",
    "................",
    "................",
    "...kkk...kkkkk..",
    "..k...k..k......",
    "..k..kk..k......",
    "..k.k.k..kkkk...",
    "..kk..k..k......",
    "..k...k..k......",
    "...kkk...k......",
    "................",
    "................",
    "................",
    "................",
};

const char* const kSourceXpm[] = {
    "16 15 2 1",
    ". c None",
    "k c #000000",
    "................",
    "................",
    "....kk....kk....",
    "...k........k...",
    "...k........k...",
    "...k........k...",
    "...k........k...",
    "..k..........k..",
    "...k........k...",
    "...k........k...",
    "...k........k...",
    "...k........k...",
    "....kk....kk....",
    "................",
    "................",
};

const char* const kWebHelpXpm[] = {
    "16 15 3 1",
    ". c None",
    "b c #1E5AA8",
    "w c #FFFFFF",
    "................",
    ".....bbbbbb.....",
    "...bbbbbbbbbb...",
    "..bbbbwwwwbbbb..",
    "..bbbwwbbwwbbb..",
    ".bbbbbbbbwwbbbb.",
    ".bbbbbbbwwbbbbb.",
    ".bbbbbbwwbbbbbb.",
    ".bbbbbbwwbbbbbb.",
    "..bbbbbbbbbbbb..",
    "..bbbbbwwbbbbb..",
    "...bbbbwwbbbb...",
    ".....bbbbbb.....",
    "................",
    "................",
};

const char* const kIconXpm[] = {
    "32 32 7 1",
    ". c None",
    "b c #1E5AA8",
    "c c #7FC8F0",
    "d c #808080",
    "g c #C0C0C0",
    "k c #000000",
    "w c #FFFFFF",
    "................................",
    "................................",
    "...kkkkkkkkkkkkkkkkkkkkkkkkkk...",
    "...kbbbbbbbbbbbbbbbbbbbbbbbbk...",
    "...kbbbbbbbbbbbbbbbbbbbbbbbbk...",
    "...kbbbbbbbbbbbbbbbbbbbbbbbbk...",
    "...kbbbbbbbbbbbbbbbbbbbbbbbbk...",
    "...kgggggkwwwwwwwwwwwwwwwwwwk...",
    "...kgggggkwkkkkkkkcccwwwwwwwk...",
    "...kgggggkwkkkkkkkcccccccccwk...",
    "...kdddddkwwwwwwwwwwwwwwwwwwk...",
    "...kgggggkwwwwwwwwwwwwwwwwwwk...",
    "...kgggggkwkkkkkkkcccccccccwk...",
    "...kgggggkwkkkkkkkccccccwwwwk...",
    "...kdddddkwwwwwwwwwwwwwwwwwwk...",
    "...kgggggkwwwwwwwwwwwwwwwwwwk...",
    "...kgggggkwkkkkkkkccccccwwwwk...",
    "...kgggggkwkkkkkkkcccwwwwwwwk...",
    "...kdddddkwwwwwwwwwwwwwwwwwwk...",
    "...kgggggkwwwwwwwwwwwwwwwwwwk...",
    "...kgggggkwkkkkkkkcccwwwwwwwk...",
    "...kgggggkwkkkkkkkcccccccccwk...",
    "...kdddddkwwwwwwwwwwwwwwwwwwk...",
    "...kgggggkwwwwwwwwwwwwwwwwwwk...",
    "...kgggggkwkkkkkkkcccccccccwk...",
    "...kgggggkwkkkkkkkccccccwwwwk...",
    "...kdddddkwwwwwwwwwwwwwwwwwwk...",
    "...kgggggkwwwwwwwwwwwwwwwwwwk...",
    "...kgggggkwkkkkkkkccccccwwwwk...",
    "...kkkkkkkkkkkkkkkkkkkkkkkkkk...",
    "................................",
    "................................",
};

}  // namespace

const char* const* ToolbarImage(int command)
{
    switch (command) {
    case ID_FILE_NEW: return kNewXpm;
    case ID_FILE_OPEN: return kOpenXpm;
    case ID_FILE_SAVE_DOC: return kSaveXpm;
    case ID_EDIT_CUT: return kCutXpm;
    case ID_EDIT_COPY: return kCopyXpm;
    case ID_EDIT_PASTE: return kPasteXpm;
    case ID_EDIT_FIND: return kFindXpm;
    case ID_TOOLS_JUMP: return kJumpXpm;
    case ID_FILE_PRINT: return kPrintXpm;
    case ID_VIEW_HEX: return kHexXpm;
    case ID_VIEW_SOURCE: return kSourceXpm;
    case ID_HELP_WEB: return kWebHelpXpm;
    default: return nullptr;
    }
}

const char* const* ProgramIcon() { return kIconXpm; }
