#include <gtest/gtest.h>

#include <random>
#include <string>
#include <type_traits>

#include "platform/RegFileFormat.h"
#include "platform/posix/FileRegistry.h"
#include "support/TempDir.h"

namespace {

using Bytes = std::vector<std::uint8_t>;
const RegKey HKLM = RootKey(RegRoot::LocalMachine);

Bytes Query(IRegistry& reg, RegKey key, const std::string& name, RegType* type = nullptr)
{
    Bytes data;
    EXPECT_TRUE(reg.QueryValue(key, name, type, &data)) << name;
    return data;
}

void Set(IRegistry& reg, RegKey key, const std::string& name, RegType type, const Bytes& data)
{
    ASSERT_TRUE(reg.SetValue(key, name, type, data.data(), data.size())) << name;
}

// Every store behind the registry interface keeps the same rules: the
// suite runs over each of them.
struct MemoryStore {
    CMemoryRegistry registry;
};

struct FileStore {
    TempDir dir;
    CFileRegistry registry{dir.File("registry.reg")};
};

template <typename Store>
class RegistryStore : public ::testing::Test {
protected:
    Store store;
};

struct StoreNames {
    template <typename Store>
    static std::string GetName(int)
    {
        return std::is_same_v<Store, MemoryStore> ? "Memory" : "File";
    }
};

using Stores = ::testing::Types<MemoryStore, FileStore>;
TYPED_TEST_SUITE(RegistryStore, Stores, StoreNames);

TYPED_TEST(RegistryStore, KeysFollowRegistryRules)
{
    auto& reg = this->store.registry;
    RegKey key;
    EXPECT_FALSE(reg.OpenKey(HKLM, "Software\\Maker", false, &key));
    ASSERT_TRUE(reg.CreateKey(HKLM, "Software\\Maker\\App", &key));
    reg.CloseKey(key);
    // Names compare without regard to case.
    ASSERT_TRUE(reg.OpenKey(HKLM, "SOFTWARE\\maker", false, &key));
    std::uint32_t count = 0, longest = 0;
    ASSERT_TRUE(reg.QueryInfoKey(key, &count, &longest));
    EXPECT_EQ(1u, count);
    EXPECT_EQ(3u, longest);
    // A key with subkeys cannot be deleted; its leaf first, then it can.
    EXPECT_FALSE(reg.DeleteKey(HKLM, "Software\\Maker"));
    EXPECT_TRUE(reg.DeleteKey(key, "App"));
    EXPECT_FALSE(reg.DeleteKey(key, "App"));
    reg.CloseKey(key);
    EXPECT_TRUE(reg.DeleteKey(HKLM, "Software\\Maker"));
    EXPECT_FALSE(reg.CreateKey(HKLM, "a\\\\b", &key));
    EXPECT_FALSE(reg.CreateKey(HKLM, "\\a", &key));
    // Every handle was closed again (where a store counts them).
    if constexpr (requires { reg.OpenHandleCount(); }) {
        EXPECT_EQ(0u, reg.OpenHandleCount());
    }
}

TYPED_TEST(RegistryStore, ValuesKeepTypeAndBytesAndReadOnlyHandlesRefuseWrites)
{
    auto& reg = this->store.registry;
    RegKey key;
    ASSERT_TRUE(reg.CreateKey(HKLM, "K", &key));
    Set(reg, key, "bin", REG_BINARY, {});
    Set(reg, key, "sz", REG_SZ, {'a', 'b'});
    RegType type;
    EXPECT_EQ(Bytes{}, Query(reg, key, "BIN", &type));
    EXPECT_EQ(REG_BINARY, type);
    EXPECT_EQ((Bytes{'a', 'b'}), Query(reg, key, "sz", &type));
    EXPECT_EQ(REG_SZ, type);
    reg.CloseKey(key);

    ASSERT_TRUE(reg.OpenKey(HKLM, "K", false, &key));
    std::uint8_t one = 1;
    EXPECT_FALSE(reg.SetValue(key, "x", REG_BINARY, &one, 1));
    reg.CloseKey(key);
}

TEST(RegFileFormat, TextRoundTripKeepsExactBytes)
{
    RegistryTree tree;
    RegNode* k = tree.Root(RegRoot::LocalMachine).AddSubKey("Software")->AddSubKey("Halvern's Workshop");
    k->SetValue("quote\"and\\slash", REG_SZ, {'C', ':', '\\', '"', 0});
    k->SetValue("noNul", REG_SZ, {'/', 'u', 's', 'r'});
    k->SetValue("innerNul", REG_SZ, {'a', 0, 'b', 0});
    k->SetValue("newline", REG_SZ, {'a', '\n', 0});
    k->SetValue("", REG_DWORD, {1, 2, 3, 4});
    k->SetValue("shortDword", REG_DWORD, {9});
    k->SetValue("empty", REG_BINARY, {});
    Bytes big(300);
    for (std::size_t i = 0; i < big.size(); ++i) big[i] = static_cast<std::uint8_t>(i);
    k->SetValue("multi", REG_MULTI_SZ, big);
    tree.Root(RegRoot::ClassesRoot).AddSubKey(".txt")->AddSubKey("shell");

    std::string text = FormatRegFile(tree);
    EXPECT_EQ(0u, text.rfind("Windows Registry Editor Version 5.00\n", 0));
    EXPECT_NE(std::string::npos, text.find("[HKEY_LOCAL_MACHINE\\Software\\Halvern's Workshop]\n"));
    EXPECT_NE(std::string::npos, text.find("@=dword:04030201\n"));

    RegistryTree back;
    ASSERT_TRUE(ParseRegFile(text, &back));
    EXPECT_EQ(text, FormatRegFile(back));
    RegNode* b = back.Root(RegRoot::LocalMachine).FindSubKey("software")->FindSubKey("HALVERN'S WORKSHOP");
    ASSERT_NE(nullptr, b);
    for (const auto& v : k->values) {
        RegValue* w = b->FindValue(v.name);
        ASSERT_NE(nullptr, w) << v.name;
        EXPECT_EQ(v.type, w->type) << v.name;
        EXPECT_EQ(v.data, w->data) << v.name;
    }
    EXPECT_NE(nullptr, back.Root(RegRoot::ClassesRoot).FindSubKey(".txt")->FindSubKey("shell"));
}

TEST(RegFileFormat, AcceptsWindowsExportsAndRefusesAnythingElseWhole)
{
    RegistryTree tree;
    const std::string exported =
        "\xEF\xBB\xBFWindows Registry Editor Version 5.00\r\n\r\n"
        "; comment\r\n"
        "[HKEY_CURRENT_USER\\A]\r\n"
        "\"v\"=hex(7):61,00,\\\r\n  00\r\n";
    ASSERT_TRUE(ParseRegFile(exported, &tree));
    EXPECT_EQ((Bytes{'a', 0, 0}), tree.Root(RegRoot::CurrentUser).FindSubKey("A")->FindValue("v")->data);

    const char* damaged[] = {
        "",
        "REGEDIT4\n",
        "Windows Registry Editor Version 5.00\n\"v\"=dword:1\n",        // value outside a key
        "Windows Registry Editor Version 5.00\n[HKEY_NOWHERE\\A]\n",
        "Windows Registry Editor Version 5.00\n[HKEY_CURRENT_USER\\A]\n\"v\"=dword:123\n",
        "Windows Registry Editor Version 5.00\n[HKEY_CURRENT_USER\\A]\n\"v\"=hex:1,02\n",
        "Windows Registry Editor Version 5.00\n[HKEY_CURRENT_USER\\A]\n\"v\"=hex:01,\\\n",
        "Windows Registry Editor Version 5.00\n[HKEY_CURRENT_USER\\A]\n\"v=\"x\"\n",
        "Windows Registry Editor Version 5.00\n[HKEY_CURRENT_USER\\A\n",
    };
    for (const char* text : damaged) {
        EXPECT_FALSE(ParseRegFile(text, &tree)) << text;
        EXPECT_TRUE(tree.Root(RegRoot::CurrentUser).subKeys.empty()) << text;
    }
}

TEST(RegFileFormat, RandomTreesSurviveTheTextForm)
{
    std::mt19937 rng(7);
    auto randomName = [&](bool allowEmpty) {
        std::string s;
        std::size_t n = rng() % 6 + (allowEmpty ? 0 : 1);
        for (std::size_t i = 0; i < n; ++i) {
            char c;
            do c = static_cast<char>(0x20 + rng() % 0xE0); while (c == '\\' || c == 0x7F);
            s += c;
        }
        return s;
    };
    for (int round = 0; round < 200; ++round) {
        RegistryTree tree;
        RegNode* node = &tree.Root(static_cast<RegRoot>(rng() % 3));
        for (int depth = rng() % 3 + 1; depth > 0; --depth) node = node->AddSubKey(randomName(false));
        for (int v = rng() % 5; v > 0; --v) {
            Bytes data(rng() % 60);
            for (auto& b : data) b = static_cast<std::uint8_t>(rng());
            node->SetValue(randomName(true), static_cast<RegType>(rng() % 12), data);
        }
        std::string text = FormatRegFile(tree);
        RegistryTree back;
        ASSERT_TRUE(ParseRegFile(text, &back)) << text;
        ASSERT_EQ(text, FormatRegFile(back));
    }
}

TEST(FileRegistry, CommitsByRenameAndReloads)
{
    TempDir dir;
    const std::string path = dir.File("cfg/tabulon/registry.reg");
    {
        CFileRegistry reg(path);
        EXPECT_FALSE(reg.IsUnreadable());
        RegKey key;
        ASSERT_TRUE(reg.CreateKey(HKLM, "Software\\X", &key));
        Set(reg, key, "n", REG_DWORD, {1, 0, 0, 0});
        EXPECT_FALSE(FileExists(path));  // committed when the key is closed
        reg.CloseKey(key);
        EXPECT_TRUE(FileExists(path));
    }
    CFileRegistry again(path);
    RegKey key;
    ASSERT_TRUE(again.OpenKey(HKLM, "Software\\X", false, &key));
    EXPECT_EQ((Bytes{1, 0, 0, 0}), Query(again, key, "n"));
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
