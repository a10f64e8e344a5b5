#include <gtest/gtest.h>

#include <cstdio>
#include <set>
#include <string>

#include "resources/Images.h"
#include "resources/MainFrameResources.h"
#include "resources/ResourceIds.h"
#include "resources/StringTable.h"
#include "resources/Strings.h"

namespace {

TEST(Resources, IdlePromptNamesTheHelpAddress)
{
    EXPECT_EQ(std::string("For Help, visit ") + kWebHelpAddress,
              LoadResourceString(AFX_IDS_IDLEMESSAGE));
}

TEST(Resources, PromptsAndTooltips)
{
    EXPECT_EQ("Toggle Hex-view mode", CommandPrompt(ID_VIEW_HEX));
    EXPECT_EQ("Hex", CommandTooltip(ID_VIEW_HEX));
    EXPECT_EQ("Set Tabulon options", CommandPrompt(ID_TOOLS_OPTIONS));
    EXPECT_EQ("", CommandTooltip(ID_TOOLS_OPTIONS));
    // Save has no string, and so no tooltip.
    EXPECT_EQ(nullptr, LoadResourceString(ID_FILE_SAVE_DOC));
    EXPECT_EQ("", CommandTooltip(ID_FILE_SAVE_DOC));
}

TEST(Resources, EveryMenuCommandIsDistinct)
{
    std::set<int> seen;
    int items = 0;
    for (const MenuResource& menu : MainMenuResource())
        for (const MenuItemResource& item : menu.items)
            if (item.id != 0) {
                ++items;
                EXPECT_TRUE(seen.insert(item.id).second) << item.label;
            }
    EXPECT_EQ(23, items);
    EXPECT_EQ(5u, MainMenuResource().size());
}

// Each toolbar button has a picture of the stated size, and every XPM row
// has the width its header declares.
TEST(Resources, ToolbarImagesAreWellFormed)
{
    int buttons = 0;
    for (int id : MainToolbarResource()) {
        if (id == 0) continue;
        ++buttons;
        const char* const* xpm = ToolbarImage(id);
        ASSERT_NE(nullptr, xpm) << id;
        int w = 0, h = 0, colors = 0, cpp = 0;
        ASSERT_EQ(4, std::sscanf(xpm[0], "%d %d %d %d", &w, &h, &colors, &cpp));
        EXPECT_EQ(kToolbarImageWidth, w);
        EXPECT_EQ(kToolbarImageHeight, h);
        for (int row = 0; row < h; ++row)
            EXPECT_EQ(static_cast<std::size_t>(w), std::string(xpm[1 + colors + row]).size());
    }
    EXPECT_EQ(12, buttons);
}

}  // namespace

namespace {

// Every command reaches the toolkit under an id it accepts, and no two
// commands share one.
TEST(Resources, ToolkitIdsAreValidAndDistinct)
{
    std::set<int> ids;
    for (const MenuResource& menu : MainMenuResource())
        for (const MenuItemResource& item : menu.items)
            if (item.id != 0) ids.insert(item.id);
    for (const AcceleratorResource& accel : MainAcceleratorResource()) ids.insert(accel.command);
    std::set<int> mapped;
    for (int id : ids) {
        const int toolkit = ToolkitId(id);
        EXPECT_GT(toolkit, 0);
        EXPECT_LT(toolkit, 0x7fff);
        EXPECT_TRUE(toolkit < 4999 || toolkit > 5999) << id;  // clear of the toolkit's own ids
        EXPECT_TRUE(mapped.insert(toolkit).second) << id;
    }
}

}  // namespace
