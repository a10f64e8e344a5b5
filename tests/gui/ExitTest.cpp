#include <gtest/gtest.h>

#include "app/Globals.h"
#include "app/wx/AppApp.h"
#include "settings/SettingsRegistry.h"
#include "support/TestPlatform.h"

namespace {

bool SettingsKeyExists(IRegistry& registry)
{
    RegKey key;
    if (!registry.OpenKey(RootKey(RegRoot::LocalMachine), kSettingsKey, false, &key)) return false;
    registry.CloseKey(key);
    return true;
}

TEST(Exit, SettingsAreWrittenOnlyWithRegistryAccess)
{
    TestPlatform platform;
    const Settings saved = theSettings;

    theSettings.registryAccess = false;
    EXPECT_EQ(0, TheApp().ExitInstance());
    EXPECT_FALSE(SettingsKeyExists(platform.registry));

    theSettings.registryAccess = true;
    theSettings.srcMark = 7;
    EXPECT_EQ(0, TheApp().ExitInstance());
    EXPECT_TRUE(SettingsKeyExists(platform.registry));
    Settings loaded;
    LoadSettings(loaded, platform.registry);
    EXPECT_EQ(7, loaded.srcMark);

    theSettings = saved;
}

}  // namespace
