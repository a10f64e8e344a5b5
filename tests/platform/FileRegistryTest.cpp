#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/posix/FileRegistry.h"
#include "support/TempDir.h"

namespace {

using Bytes = std::vector<std::uint8_t>;
const RegKey HKLM = RootKey(RegRoot::LocalMachine);

TEST(FileRegistry, CommitsByRenameAndReloads)
{
    TempDir dir;
    const std::string path = dir.File("cfg/tabulon/registry.reg");
    {
        CFileRegistry reg(path);
        EXPECT_FALSE(reg.IsUnreadable());
        RegKey key;
        ASSERT_TRUE(reg.CreateKey(HKLM, "Software\\X", &key));
        const std::uint8_t one[4] = {1, 0, 0, 0};
        ASSERT_TRUE(reg.SetValue(key, "n", REG_DWORD, one, 4));
        EXPECT_FALSE(FileExists(path));  // committed when the key is closed
        reg.CloseKey(key);
        EXPECT_TRUE(FileExists(path));
    }
    CFileRegistry again(path);
    RegKey key;
    ASSERT_TRUE(again.OpenKey(HKLM, "Software\\X", false, &key));
    Bytes data;
    ASSERT_TRUE(again.QueryValue(key, "n", nullptr, &data));
    EXPECT_EQ((Bytes{1, 0, 0, 0}), data);
    again.CloseKey(key);
    EXPECT_TRUE(again.DeleteKey(HKLM, "Software\\X"));
    EXPECT_EQ(std::string::npos, ReadFileBytes(path).find("Software\\X"));
}

TEST(FileRegistry, UnreadableStoreHoldsNothingAndIsKeptUntilDiscarded)
{
    TempDir dir;
    const std::string path = dir.File("registry.reg");
    const std::string damaged = "Windows Registry Editor Version 5.00\n[HKEY_LOCAL_MACHINE\\Software]\n\"x\"=zz\n";
    WriteFileBytes(path, damaged);
    {
        CFileRegistry reg(path);
        EXPECT_TRUE(reg.IsUnreadable());
        RegKey key;
        EXPECT_FALSE(reg.OpenKey(HKLM, "Software", false, &key));
        EXPECT_FALSE(reg.CreateKey(HKLM, "Software\\Y", &key));
    }
    EXPECT_EQ(damaged, ReadFileBytes(path));

    CFileRegistry reg(path);
    reg.DiscardUnreadable();
    RegKey key;
    ASSERT_TRUE(reg.CreateKey(HKLM, "Software\\Y", &key));
    reg.CloseKey(key);
    EXPECT_EQ(damaged, ReadFileBytes(path + ".unreadable"));
    EXPECT_NE(std::string::npos, ReadFileBytes(path).find("[HKEY_LOCAL_MACHINE\\Software\\Y]"));
}

TEST(FileRegistry, DefaultPathFollowsTheEnvironment)
{
    auto get = [](const char* name) { return std::getenv(name) ? std::string(std::getenv(name)) : std::string(); };
    const std::string saved = get("TABULON_REGISTRY"), savedHome = get("HOME"), savedXdg = get("XDG_CONFIG_HOME");
    ::setenv("TABULON_REGISTRY", "/tmp/x.reg", 1);
    EXPECT_EQ("/tmp/x.reg", DefaultRegistryPath());
    ::unsetenv("TABULON_REGISTRY");
    ::setenv("XDG_CONFIG_HOME", "/cfg", 1);
    EXPECT_EQ("/cfg/tabulon/registry.reg", DefaultRegistryPath());
    ::unsetenv("XDG_CONFIG_HOME");
    ::setenv("HOME", "/home/me", 1);
    EXPECT_EQ("/home/me/.config/tabulon/registry.reg", DefaultRegistryPath());
    if (!saved.empty()) ::setenv("TABULON_REGISTRY", saved.c_str(), 1);
    if (!savedHome.empty()) ::setenv("HOME", savedHome.c_str(), 1);
    if (!savedXdg.empty()) ::setenv("XDG_CONFIG_HOME", savedXdg.c_str(), 1);
}

}  // namespace
