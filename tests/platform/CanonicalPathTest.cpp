#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include "platform/CanonicalPath.h"
#include "support/TempDir.h"

namespace {

TEST(CanonicalPath, ResolvesDotsAndLinks)
{
    TempDir dir;
    WriteFileBytes(dir.File("a.txt"), "x");
    ASSERT_EQ(0, ::symlink(dir.File("a.txt").c_str(), dir.File("link").c_str()));
    std::string real;
    ASSERT_TRUE(CanonicalPath(dir.File("a.txt"), &real));
    std::string resolved;
    ::mkdir(dir.File("sub").c_str(), 0755);
    ASSERT_TRUE(CanonicalPath(dir.Path() + "/./sub/../link", &resolved));
    EXPECT_EQ(real, resolved);
    EXPECT_EQ('/', real[0]);
}

TEST(CanonicalPath, MissingPathIsLeftAlone)
{
    std::string resolved = "unchanged";
    EXPECT_FALSE(CanonicalPath("/nonexistent/tabulon/x.txt", &resolved));
    EXPECT_FALSE(CanonicalPath("", &resolved));
    EXPECT_EQ("unchanged", resolved);
}

}  // namespace
