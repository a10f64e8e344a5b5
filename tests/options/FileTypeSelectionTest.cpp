#include <gtest/gtest.h>

#include "options/FileTypeControls.h"
#include "options/FileTypeList.h"

namespace {

TEST(FileTypeSelection, OnlyAnotherSetOfRowsRebuildsTheBoxes)
{
    CFileTypeList list;
    list.Fill({{".a", "x/a", "A", false, ""}, {".c", "x/c", "C", true, "\"/p\" -d %f"}});
    FileTypeControls controls;
    EXPECT_FALSE(FollowSelection(&controls, list, {}));  // nothing selected, nothing shown
    ASSERT_TRUE(FollowSelection(&controls, list, {0, 1}));
    EXPECT_EQ(Tri::Mixed, controls.enable);

    // Unapplied clicks survive the same rows coming back in another order.
    ClickEnable(&controls, true);
    ClickViewBox(&controls.hex, true);
    EXPECT_FALSE(FollowSelection(&controls, list, {1, 0}));
    EXPECT_EQ(Tri::Checked, controls.enable);
    EXPECT_EQ(Tri::Checked, controls.hex);

    ASSERT_TRUE(FollowSelection(&controls, list, {1}));
    EXPECT_EQ(Tri::Checked, controls.enable);
    EXPECT_EQ(Tri::Unchecked, controls.hex);
    EXPECT_EQ(Tri::Checked, controls.openMode[kDosBox]);
}

}  // namespace
