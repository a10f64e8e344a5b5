#include <gtest/gtest.h>

#include "platform/MemoryRegistry.h"
#include "settings/SettingsRegistry.h"

namespace {

TEST(Settings, HistoriesAndThePathAreWrittenOnlyAsFarAsTheyAreReadBack)
{
    CMemoryRegistry reg;
    Settings s;
    // Ten items of 150 bytes take 1511 bytes: the first six fit with the
    // NULs that follow; the seventh would cross 1024 and goes, with the rest.
    for (auto& item : s.findItems) item = std::string(150, 'f');
    s.replItems[0] = std::string(1013, 'r');  // 1014 + 9 NULs + final NUL = 1024
    s.replItems[1].assign(1, 'x');
    s.exePath = std::string(1025, 'p');
    SaveSettings(s, reg);

    Settings loaded;
    LoadSettings(loaded, reg);
    for (int i = 0; i < 10; ++i) EXPECT_EQ(i < 6 ? s.findItems[i] : std::string(), loaded.findItems[i]) << i;
    EXPECT_EQ(s.replItems[0], loaded.replItems[0]);
    EXPECT_EQ("", loaded.replItems[1]);
    EXPECT_EQ("", loaded.exePath);  // a cut path would name another file

    // Written again, what was read back stays as it is.
    s.exePath = std::string(1024, 'p');
    SaveSettings(loaded, reg);
    Settings again;
    LoadSettings(again, reg);
    EXPECT_EQ(loaded.findItems, again.findItems);
    EXPECT_EQ(loaded.replItems, again.replItems);
    SaveSettings(s, reg);
    LoadSettings(again, reg);
    EXPECT_EQ(s.exePath, again.exePath);
}

}  // namespace
