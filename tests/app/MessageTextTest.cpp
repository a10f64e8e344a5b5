#include <gtest/gtest.h>

#include "app/AppMessages.h"
#include "app/MessageText.h"

namespace {

TEST(MessageText, FillsTheFirstPlaceholderOnly)
{
    EXPECT_EQ("Save changes to Untitled?", FillInPlaceholder(kSaveModifiedFormat, "%1", "Untitled"));
    EXPECT_EQ("Save changes to /tmp/a %s b.txt?",
              FillInPlaceholder(kSaveChangesFormat, "%s", "/tmp/a %s b.txt"));
    EXPECT_EQ("Cannot open \"x\".", FillInPlaceholder("Cannot open \"%s\".", "%s", "x"));
    EXPECT_EQ("no mark", FillInPlaceholder("no mark", "%s", "x"));
    EXPECT_EQ("ab", FillInPlaceholder("a%1", "%1", "b"));
}

}  // namespace
