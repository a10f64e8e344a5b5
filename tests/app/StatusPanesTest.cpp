#include <gtest/gtest.h>

#include <cstring>

#include "app/StatusPanes.h"
#include "records/RecordList.h"
#include "view/AppViewBase.h"

namespace {

struct Record {
    explicit Record(const char* text, int length)
    {
        std::memcpy(bytes, text, static_cast<std::size_t>(length));
        node.data = bytes;
        node.length = static_cast<std::uint16_t>(length);
        node.capacity = sizeof bytes;
    }
    std::uint8_t bytes[64] = {};
    RecordNode node;
};

TEST(StatusPanes, CaretTextsComeFromTheCaretRecord)
{
    CAppViewBase view;
    Record twelve("ABCDEFGHIJKL", 12);
    view.caretNode = &twelve.node;
    CaretPaneTexts texts = CaretStatusTexts(&view);
    EXPECT_EQ("12 bytes ['A',0x41]", texts.message);
    EXPECT_EQ("[1,1]", texts.position);

    view.caretByte = 12;
    view.caretRecord = 4;
    texts = CaretStatusTexts(&view);
    EXPECT_EQ("12 bytes [eol]", texts.message);
    EXPECT_EQ("[5,13]", texts.position);

    Record one("A", 1);
    view.caretNode = &one.node;
    view.caretByte = 1;
    EXPECT_EQ(" 1 byte [eol]", CaretStatusTexts(&view).message);

    Record zeros("a\0b", 3);
    view.caretNode = &zeros.node;
    view.caretByte = 1;
    EXPECT_EQ("3 bytes ['',0x00]", CaretStatusTexts(&view).message);

    Record empty("", 0);
    view.caretNode = &empty.node;
    view.caretByte = 0;
    EXPECT_EQ("0 bytes [eol]", CaretStatusTexts(&view).message);
}

TEST(StatusPanes, WithoutViewOrCaretRecord)
{
    CaretPaneTexts texts = CaretStatusTexts(nullptr);
    EXPECT_EQ("0 bytes [eol]", texts.message);
    EXPECT_EQ("[1,1]", texts.position);
    CAppViewBase view;  // no caret record yet
    EXPECT_EQ("0 bytes [eol]", CaretStatusTexts(&view).message);
}

TEST(StatusPanes, ModePanesFollowViewAndFormat)
{
    CRecordList list;
    list.file.mode = 2;
    CAppViewBase view;
    view.rowsPerRecord = 3;
    view.sourceMode = true;
    view.insertMode = false;
    auto panes = ModePaneTexts(&view, &list);
    EXPECT_EQ("HEX", panes[0]);
    EXPECT_EQ("UNX", panes[1]);
    EXPECT_EQ("SRC", panes[2]);
    EXPECT_EQ("OVR", panes[3]);

    list.file.mode = 0;
    view.rowsPerRecord = 1;
    view.sourceMode = false;
    view.insertMode = true;
    panes = ModePaneTexts(&view, &list);
    EXPECT_EQ("   ", panes[0]);
    EXPECT_EQ("BIN", panes[1]);
    EXPECT_EQ("   ", panes[2]);
    EXPECT_EQ("INS", panes[3]);

    panes = ModePaneTexts(nullptr, nullptr);
    EXPECT_EQ("DOS", panes[1]);
}

}  // namespace
