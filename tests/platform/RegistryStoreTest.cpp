#include <gtest/gtest.h>

#include <random>
#include <string>
#include <type_traits>

#include "platform/MemoryRegistry.h"
#include "platform/RegFileFormat.h"
#include "support/TempDir.h"
#ifdef _WIN32
#include "platform/win/WinRegistry.h"
#else
#include "platform/posix/FileRegistry.h"
#endif

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

// Every store the program may use keeps the rules of the registry calls:
// the memory store of the tests and the store of the system (the registry
// file on Linux, a sandbox key of the real registry on Windows).
struct MemoryStore {
    CMemoryRegistry registry;
};

#ifdef _WIN32
struct SystemStore {
    CWinRegistry registry{
        std::string("Software\\Tabulon tests\\store ").append(std::to_string(std::random_device{}()))};
};
#else
struct SystemStore {
    TempDir dir;
    CFileRegistry registry{dir.File("registry.reg")};
};
#endif

template <typename Store>
class RegistryStore : public ::testing::Test {
protected:
    Store store;
    IRegistry& reg = store.registry;
};

using Stores = ::testing::Types<MemoryStore, SystemStore>;
TYPED_TEST_SUITE(RegistryStore, Stores);

TYPED_TEST(RegistryStore, KeysFollowRegistryRules)
{
    IRegistry& reg = this->reg;
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
    std::string name;
    EXPECT_TRUE(reg.EnumKey(key, 0, &name));
    EXPECT_EQ("App", name);
    EXPECT_FALSE(reg.EnumKey(key, 1, &name));
    // A key with subkeys cannot be deleted; its leaf first, then it can.
    EXPECT_FALSE(reg.DeleteKey(HKLM, "Software\\Maker"));
    EXPECT_TRUE(reg.DeleteKey(key, "App"));
    EXPECT_FALSE(reg.DeleteKey(key, "App"));
    reg.CloseKey(key);
    EXPECT_TRUE(reg.DeleteKey(HKLM, "Software\\Maker"));
    EXPECT_FALSE(reg.CreateKey(HKLM, "a\\\\b", &key));
    EXPECT_FALSE(reg.CreateKey(HKLM, "\\a", &key));
    if constexpr (std::is_same_v<TypeParam, MemoryStore>) {
        EXPECT_EQ(0u, this->store.registry.OpenHandleCount());
    }
}

TYPED_TEST(RegistryStore, ValuesKeepTypeAndBytesAndReadOnlyHandlesRefuseWrites)
{
    IRegistry& reg = this->reg;
    RegKey key;
    ASSERT_TRUE(reg.CreateKey(HKLM, "K", &key));
    Set(reg, key, "bin", REG_BINARY, {});
    Set(reg, key, "sz", REG_SZ, {'a', 'b'});
    // Text beyond ASCII, the nameless default value, NULs inside a list.
    const std::string text = "caf\xC3\xA9 \xF0\x9F\x98\x80";
    Set(reg, key, "", REG_SZ, Bytes(text.begin(), text.end()));
    Set(reg, key, "list", REG_MULTI_SZ, {'x', 0, 0, 'y', 0, 0});
    Set(reg, key, "dword", REG_DWORD, {0x00, 0x00, 0x80, 0x3E});
    RegType type;
    EXPECT_EQ(Bytes{}, Query(reg, key, "BIN", &type));
    EXPECT_EQ(REG_BINARY, type);
    EXPECT_EQ((Bytes{'a', 'b'}), Query(reg, key, "sz", &type));
    EXPECT_EQ(REG_SZ, type);
    EXPECT_EQ(Bytes(text.begin(), text.end()), Query(reg, key, ""));
    EXPECT_EQ((Bytes{'x', 0, 0, 'y', 0, 0}), Query(reg, key, "list", &type));
    EXPECT_EQ(REG_MULTI_SZ, type);
    EXPECT_EQ((Bytes{0x00, 0x00, 0x80, 0x3E}), Query(reg, key, "dword", &type));
    EXPECT_EQ(REG_DWORD, type);
    Bytes missing;
    EXPECT_FALSE(reg.QueryValue(key, "none", nullptr, &missing));
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

// Keys up to 64 levels below the root with names up to 255 bytes, and
// lines up to 1 MiB, are read; past any of these the store is refused whole,
// and no key is made that could not be read back.
TEST(RegFileFormat, StoresPastTheLimitsAreRefusedWhole)
{
    const std::string head = "Windows Registry Editor Version 5.00\n[HKEY_CURRENT_USER\\A]\n\"v\"=dword:00000001\n";
    auto deepKey = [](std::size_t depth) {
        std::string key = "[HKEY_CURRENT_USER";
        for (std::size_t i = 0; i < depth; ++i) key += "\\k";
        return key + "]\n";
    };
    auto longName = [](std::size_t bytes) { return "[HKEY_CURRENT_USER\\" + std::string(bytes, 'n') + "]\n"; };
    auto comment = [](std::size_t bytes) { return std::string(1, ';').append(bytes - 1, 'c').append("\n"); };
    // Two lines of 600 KB each that continue into one.
    const std::string joined =
        "\"b\"=hex:00," + std::string(600000, ' ') + "\\\n  01" + std::string(600000, ' ') + "\n";
    RegistryTree tree;
    for (const std::string& fits : {deepKey(64), longName(255), comment(1 << 20)})
        EXPECT_TRUE(ParseRegFile(head + fits, &tree)) << fits.substr(0, 40);
    for (const std::string& past : {deepKey(65), deepKey(10000), longName(256), comment((1 << 20) + 1),
                                    joined}) {
        EXPECT_FALSE(ParseRegFile(head + past, &tree)) << past.substr(0, 40);
        EXPECT_TRUE(tree.Root(RegRoot::CurrentUser).subKeys.empty());
    }

    CMemoryRegistry reg;
    RegKey key, deeper;
    std::string path = "k";
    for (int i = 1; i < 64; ++i) path += "\\k";
    ASSERT_TRUE(reg.CreateKey(RootKey(RegRoot::CurrentUser), path, &key));
    EXPECT_FALSE(reg.CreateKey(key, "k", &deeper));
    EXPECT_FALSE(reg.CreateKey(RootKey(RegRoot::CurrentUser), std::string(256, 'n'), &deeper));
    reg.CloseKey(key);
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

}  // namespace
