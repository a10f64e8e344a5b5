#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <memory>
#include <pthread.h>

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

// Runs `work` on a thread with a stack of `bytes`, so that recursion as deep
// as the data shows up as a crash at sizes a test can afford.
void RunOnSmallStack(std::size_t bytes, std::function<void()> work)
{
    pthread_attr_t attr;
    ASSERT_EQ(0, pthread_attr_init(&attr));
    ASSERT_EQ(0, pthread_attr_setstacksize(&attr, bytes));
    pthread_t thread;
    auto run = [](void* arg) -> void* {
        (*static_cast<std::function<void()>*>(arg))();
        return nullptr;
    };
    ASSERT_EQ(0, pthread_create(&thread, &attr, run, &work));
    pthread_join(thread, nullptr);
    pthread_attr_destroy(&attr);
}

// A tree deeper than any store may hold (built in memory, not read) is still
// written and freed without a call per level.
TEST(FileRegistry, DeepTreeIsWrittenAndFreedWithoutRecursion)
{
    TempDir dir;
    const std::string path = dir.File("registry.reg");
    std::size_t written = 0;
    RunOnSmallStack(256 * 1024, [&] {
        auto reg = std::make_unique<CFileRegistry>(path);
        RegNode* node = &reg->Tree().Root(RegRoot::CurrentUser);
        for (int i = 0; i < 4000; ++i) node = node->AddSubKey("k");
        RegKey key;
        if (reg->CreateKey(HKLM, "Software", &key)) reg->CloseKey(key);  // writes the store
        written = ReadFileBytes(path).size();
        node = &reg->Tree().Root(RegRoot::CurrentUser);
        for (int i = 4000; i < 200000; ++i) node = node->AddSubKey("k");
        reg.reset();  // nothing left to write: frees the tree
    });
    // Every level on a line of its own: 4000 paths of up to 8000 bytes.
    EXPECT_GT(written, std::size_t{4000} * 4000);
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
