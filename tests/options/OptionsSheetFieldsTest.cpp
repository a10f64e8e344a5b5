#include <gtest/gtest.h>

#include <limits>

#include "options/FieldValidation.h"
#include "options/OptionsPages.h"
#include "platform/posix/FileRegistry.h"
#include "platform/posix/FreedesktopFileTypes.h"
#include "platform/posix/FreedesktopShortcuts.h"
#include "settings/SettingsRegistry.h"
#include "support/TestPlatform.h"
#include "support/XdgSandbox.h"

namespace {

TEST(OptionsSheetFields, IntegersAndNumbersAreCheckedWithTheirMessages)
{
    int size = 8;
    std::string message;
    EXPECT_FALSE(ReadIntegerField("5", 6, 16, &size, &message));
    EXPECT_EQ("Please enter an integer between 6 and 16.", message);
    EXPECT_FALSE(ReadIntegerField("17", 6, 16, &size, &message));
    EXPECT_FALSE(ReadIntegerField("99999999999999999999", 6, 16, &size, &message));
    EXPECT_EQ("Please enter an integer between 6 and 16.", message);
    EXPECT_FALSE(ReadIntegerField("1O", 6, 16, &size, &message));
    EXPECT_EQ("Please enter an integer.", message);
    EXPECT_EQ(8, size);
    EXPECT_TRUE(ReadIntegerField(" +12 ", 6, 16, &size, &message));
    EXPECT_EQ(12, size);

    float margin = 0.5f;
    for (const char* refused : {"", "abc", "inf", "nan", "0x1p1", "1,5", "1.5.1"}) {
        EXPECT_FALSE(ReadNumberField(refused, 0, 4, &margin, &message)) << refused;
        EXPECT_EQ("Please enter a number.", message);
    }
    EXPECT_FALSE(ReadNumberField("4.01", 0, 4, &margin, &message));
    EXPECT_EQ("Please enter a number between 0 and 4.", message);
    EXPECT_FALSE(ReadNumberField("-0.1", 0, 4, &margin, &message));
    EXPECT_FALSE(ReadNumberField("1e40", 0, 4, &margin, &message));
    EXPECT_EQ(0.5f, margin);
    EXPECT_TRUE(ReadNumberField(" 1.5 ", 0, 4, &margin, &message));
    EXPECT_EQ(1.5f, margin);

    // Spin positions: hundredths, rounded; steps inside the range only.
    EXPECT_EQ(29, MarginToSpin(0.29f));
    EXPECT_EQ(0, MarginToSpin(std::numeric_limits<float>::quiet_NaN()));
    EXPECT_EQ("0.25", NumberFieldText(SpinToMargin(25)));
    int next = 0;
    EXPECT_FALSE(StepSpin(400, 10, 0, 400, &next));
    EXPECT_FALSE(StepSpin(5, -10, 0, 400, &next));
    EXPECT_TRUE(StepSpin(35, -10, 0, 400, &next));
    EXPECT_EQ(25, next);
}

class RecordingHost : public IOptionsHost {
public:
    void TabWidthChanged() override { tabWidthSeen.push_back(theWidth ? *theWidth : -1); }
    void SetAutoSave(bool on) override { autoSave.push_back(on); }
    std::vector<int> tabWidthSeen;
    std::vector<bool> autoSave;
    const std::int32_t* theWidth = nullptr;
};

TEST(OptionsSheetFields, SetupStepsSwitchRegistryAndAutosave)
{
    XdgSandbox sandbox;
    TestPlatform platform;
    CFreedesktopFileTypes fileTypes;
    CFreedesktopShortcuts shortcuts;
    RecordingHost host;
    Settings settings;

    // Source page: the host hears of a new tab width once it is in force.
    host.theWidth = &settings.srcMark;
    SourcePageValues source = SourcePageValues::From(settings);
    source.srcMark = 8;
    source.ApplyTo(settings, host);
    source.ApplyTo(settings, host);
    EXPECT_EQ((std::vector<int>{8}), host.tabWidthSeen);

    // Switching registry access on writes the key at once.
    SetupPageValues setup = SetupPageValues::From(settings);
    setup.registryAccess = true;
    setup.autoSave = true;
    setup.ApplyTo(settings, platform.registry, fileTypes, shortcuts, host);
    RegKey key;
    ASSERT_TRUE(platform.registry.OpenKey(RootKey(RegRoot::LocalMachine), kSettingsKey, false, &key));
    platform.registry.CloseKey(key);
    EXPECT_EQ((std::vector<bool>{true}), host.autoSave);
    EXPECT_TRUE(settings.registryAccess);

    // Off, answered No: key and shortcuts stay, access goes off.
    ASSERT_TRUE(shortcuts.CreateShortcut("/usr/bin/tabulon", shortcuts.DesktopShortcutPath(), "Tabulon"));
    setup.registryAccess = false;
    platform.messageBox.Answer(MbResult::No);
    setup.ApplyTo(settings, platform.registry, fileTypes, shortcuts, host);
    ASSERT_EQ(1u, platform.messageBox.boxes.size());
    EXPECT_EQ("Hmmm...", platform.messageBox.boxes[0].caption);
    EXPECT_EQ(MbButtons::YesNo, platform.messageBox.boxes[0].buttons);
    EXPECT_FALSE(settings.registryAccess);
    EXPECT_TRUE(platform.registry.OpenKey(RootKey(RegRoot::LocalMachine), kSettingsKey, false, &key));
    platform.registry.CloseKey(key);
    EXPECT_TRUE(FileExists(shortcuts.DesktopShortcutPath()));

    // Off, answered Yes: shortcuts, key and verbs go.
    settings.registryAccess = true;
    ASSERT_TRUE(fileTypes.WriteVerb("text/plain", "\"/usr/bin/tabulon\" %f"));
    setup.ApplyTo(settings, platform.registry, fileTypes, shortcuts, host);
    EXPECT_FALSE(platform.registry.OpenKey(RootKey(RegRoot::LocalMachine), kSettingsKey, false, &key));
    EXPECT_FALSE(FileExists(shortcuts.DesktopShortcutPath()));
    EXPECT_FALSE(FileExists(CFreedesktopFileTypes::VerbEntryPath("text/plain")));
    EXPECT_EQ(2u, platform.messageBox.boxes.size());  // no failure message

    // A removal that fails is reported.
    SaveSettings(settings, platform.registry);
    settings.registryAccess = true;
    platform.registry.Tree().Clear();
    setup.ApplyTo(settings, platform.registry, fileTypes, shortcuts, host);
    ASSERT_EQ(4u, platform.messageBox.boxes.size());
    EXPECT_EQ("Could not remove Tabulon from the Registry?", platform.messageBox.boxes[3].text);
    EXPECT_EQ("Doh!!!", platform.messageBox.boxes[3].caption);
}

TEST(OptionsSheetFields, SwitchingRegistryAccessOnSetsADamagedStoreAside)
{
    XdgSandbox sandbox;
    TestPlatform platform;
    const std::string path = sandbox.dir.File("registry.reg");
    WriteFileBytes(path, "not a registry\n");
    CFileRegistry store(path);
    CFreedesktopFileTypes fileTypes;
    CFreedesktopShortcuts shortcuts;
    RecordingHost host;
    Settings settings;
    SetupPageValues setup = SetupPageValues::From(settings);
    setup.registryAccess = true;
    setup.ApplyTo(settings, store, fileTypes, shortcuts, host);
    EXPECT_EQ("not a registry\n", ReadFileBytes(path + ".unreadable"));
    Settings reloaded;
    CFileRegistry again(path);
    LoadSettings(reloaded, again);
    EXPECT_TRUE(reloaded.registryAccess);
}

}  // namespace
