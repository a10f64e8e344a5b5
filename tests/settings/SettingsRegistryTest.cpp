#include <gtest/gtest.h>

#include "platform/posix/FileRegistry.h"
#include "settings/SettingsRegistry.h"
#include "support/TempDir.h"

namespace {

using Bytes = std::vector<std::uint8_t>;
const RegKey HKLM = RootKey(RegRoot::LocalMachine);
const RegKey HKCR = RootKey(RegRoot::ClassesRoot);

Bytes StoredValue(IRegistry& reg, const char* name, RegType* type = nullptr)
{
    RegKey key;
    Bytes data;
    EXPECT_TRUE(reg.OpenKey(HKLM, kSettingsKey, false, &key));
    EXPECT_TRUE(reg.QueryValue(key, name, type, &data)) << name;
    reg.CloseKey(key);
    return data;
}

TEST(Settings, FirstRunKeepsDefaultsAndWritesNothing)
{
    TempDir dir;
    const std::string path = dir.File("registry.reg");
    Settings s;
    {
        CFileRegistry reg(path);
        LoadSettings(s, reg);
    }
    EXPECT_FALSE(s.registryAccess);
    EXPECT_EQ(4, s.srcMark);
    EXPECT_TRUE(s.srcSmart);
    EXPECT_EQ(8, s.printFont);
    EXPECT_TRUE(s.printFile && s.printPage && s.printLine);
    EXPECT_FALSE(s.printRuler || s.autoHex || s.autoSave || s.autoSource || s.srcType || s.srcSave);
    EXPECT_EQ(0.5f, s.printBottom);
    EXPECT_EQ("", s.findItems[9]);
    EXPECT_FALSE(FileExists(path));
}

TEST(Settings, SavedSettingsAreFoundByTheNextStart)
{
    TempDir dir;
    const std::string path = dir.File("registry.reg");
    Settings s;
    s.autoHex = true;
    s.srcMark = 7;
    s.srcSmart = false;
    s.printLeft = 0.25f;
    s.exePath = "/usr/bin/tabulon";
    s.findItems[0] = "one";
    s.findItems[1] = "two";
    s.findItems[2] = "three";
    s.replItems[0] = "r";
    {
        CFileRegistry reg(path);
        SaveSettings(s, reg);
    }
    ASSERT_TRUE(FileExists(path));

    CFileRegistry reg(path);
    Settings loaded;
    LoadSettings(loaded, reg);
    EXPECT_TRUE(loaded.registryAccess);
    EXPECT_TRUE(loaded.autoHex);
    EXPECT_EQ(7, loaded.srcMark);
    EXPECT_FALSE(loaded.srcSmart);
    EXPECT_EQ(0.25f, loaded.printLeft);
    EXPECT_EQ("/usr/bin/tabulon", loaded.exePath);
    EXPECT_EQ(s.findItems, loaded.findItems);
    EXPECT_EQ(s.replItems, loaded.replItems);
}

TEST(Settings, ValuesAreStoredWithTheirExactTypesAndBytes)
{
    CMemoryRegistry reg;
    Settings s;
    s.findItems[0] = "ab";
    s.findItems[1] = "c";
    s.findItems[2] = "d";
    s.printLeft = 0.25f;
    s.exePath = "/x";
    SaveSettings(s, reg);

    RegType type;
    EXPECT_EQ((Bytes{'a', 'b', 0, 'c', 0, 'd', 0, 0, 0, 0, 0, 0, 0, 0, 0}), StoredValue(reg, "findItems", &type));
    EXPECT_EQ(REG_MULTI_SZ, type);
    EXPECT_EQ(Bytes(11, 0), StoredValue(reg, "replItems"));
    EXPECT_EQ((Bytes{0x00, 0x00, 0x80, 0x3E}), StoredValue(reg, "printLeft", &type));  // 0x3E800000
    EXPECT_EQ(REG_DWORD, type);
    EXPECT_EQ((Bytes{0x00, 0x00, 0x00, 0x3F}), StoredValue(reg, "printTop"));
    EXPECT_EQ((Bytes{4, 0, 0, 0}), StoredValue(reg, "srcMark"));
    EXPECT_EQ((Bytes{1}), StoredValue(reg, "srcSmart", &type));
    EXPECT_EQ(REG_BINARY, type);
    EXPECT_EQ((Bytes{'/', 'x'}), StoredValue(reg, "exePath", &type));  // no terminating NUL
    EXPECT_EQ(REG_SZ, type);
}

TEST(Settings, MissingOrMisshapenValuesKeepTheirDefaults)
{
    CMemoryRegistry reg;
    RegKey key;
    ASSERT_TRUE(reg.CreateKey(HKLM, kSettingsKey, &key));
    std::uint8_t two[2] = {1, 1};
    reg.SetValue(key, "autoHex", REG_BINARY, two, 2);
    std::uint8_t byte = 5;
    reg.SetValue(key, "autoSave", REG_BINARY, &byte, 1);
    Bytes history(1500, 'x');
    history[3] = 0;
    reg.SetValue(key, "replItems", REG_MULTI_SZ, history.data(), history.size());
    // Hand-edited widths and sizes the program could not work with.
    const std::uint8_t hugeTab[4] = {0xFF, 0xFF, 0xFF, 0x7F}, zeroFont[4] = {};
    reg.SetValue(key, "srcMark", REG_DWORD, hugeTab, 4);
    reg.SetValue(key, "printFont", REG_DWORD, zeroFont, 4);
    reg.CloseKey(key);

    Settings s;
    LoadSettings(s, reg);
    EXPECT_TRUE(s.registryAccess);
    EXPECT_FALSE(s.autoHex);
    EXPECT_TRUE(s.autoSave);  // any non-zero byte
    EXPECT_EQ(4, s.srcMark);
    EXPECT_EQ(8, s.printFont);
    EXPECT_EQ("xxx", s.replItems[0]);
    EXPECT_EQ(std::string(1020, 'x'), s.replItems[1]);  // read up to 1024 bytes
    EXPECT_EQ("", s.replItems[2]);
}

// A store that is damaged, or hostile (a key thousands of levels deep, a
// huge key name or line), is neither read nor written over; switching the
// registry on sets it aside and starts afresh.
TEST(Settings, DamagedStoreLeavesDefaultsAndIsSetAsideWhole)
{
    const std::string settings =
        "Windows Registry Editor Version 5.00\n[HKEY_LOCAL_MACHINE\\Software\\Halvern's Workshop\\Tabulon]\n"
        "\"autoHex\"=hex:01\n";
    std::string deep = "[HKEY_CURRENT_USER";
    for (int i = 0; i < 10000; ++i) deep += "\\k";
    const std::string stores[] = {
        settings + "\"autoSave\"=hex:0",
        settings + deep + "]\n",
        settings + "[HKEY_CURRENT_USER\\" + std::string(256, 'n') + "]\n",
        settings + ";" + std::string(1 << 20, 'c') + "\n",
    };
    for (const std::string& damaged : stores) {
        TempDir dir;
        const std::string path = dir.File("registry.reg");
        WriteFileBytes(path, damaged);
        Settings s;
        {
            CFileRegistry reg(path);
            LoadSettings(s, reg);
            EXPECT_FALSE(s.registryAccess);
            SaveSettings(s, reg);  // the callers that save whatever the switch says
        }
        EXPECT_FALSE(s.autoHex);
        EXPECT_TRUE(ReadFileBytes(path) == damaged);

        CFileRegistry reg(path);
        reg.DiscardUnreadable();
        SaveSettings(s, reg);
        EXPECT_TRUE(ReadFileBytes(path + ".unreadable") == damaged);
        EXPECT_FALSE(CFileRegistry(path).IsUnreadable());
    }
}

TEST(Settings, RemoveRegistrationSweepsKeysAndVerbs)
{
    CMemoryRegistry reg;
    SaveSettings(Settings{}, reg);
    RegKey key;
    for (const char* verb : {".txt\\shell\\Tabulon\\command", ".dat\\shell\\Tabulon\\command"}) {
        ASSERT_TRUE(reg.CreateKey(HKCR, verb, &key));
        reg.CloseKey(key);
    }
    ASSERT_TRUE(reg.CreateKey(HKCR, ".log\\shell\\open\\command", &key));
    reg.CloseKey(key);

    EXPECT_TRUE(RemoveRegistration(reg));
    EXPECT_FALSE(reg.OpenKey(HKLM, kMakerKey, false, &key));
    EXPECT_FALSE(reg.OpenKey(HKCR, ".txt\\shell\\Tabulon", false, &key));
    EXPECT_TRUE(reg.OpenKey(HKCR, ".txt\\shell", false, &key));
    reg.CloseKey(key);
    EXPECT_TRUE(reg.OpenKey(HKCR, ".log\\shell\\open\\command", false, &key));
    reg.CloseKey(key);
    // Nothing left to remove: the maker's key cannot be opened.
    EXPECT_FALSE(RemoveRegistration(reg));
}

TEST(Settings, RemoveRegistrationKeepsAMakerKeyOtherProgramsUse)
{
    CMemoryRegistry reg;
    SaveSettings(Settings{}, reg);
    RegKey key;
    ASSERT_TRUE(reg.CreateKey(HKLM, "Software\\Halvern's Workshop\\Other", &key));
    reg.CloseKey(key);
    EXPECT_TRUE(RemoveRegistration(reg));
    EXPECT_TRUE(reg.OpenKey(HKLM, kMakerKey, false, &key));
    reg.CloseKey(key);
    EXPECT_FALSE(reg.OpenKey(HKLM, kSettingsKey, false, &key));
}

}  // namespace
