#include <gtest/gtest.h>

#include "options/FileTypeControls.h"
#include "options/FileTypeList.h"
#include "options/VerbCommandLine.h"
#include "platform/MemoryRegistry.h"
#include "platform/RegistryFileTypes.h"
#include "settings/SettingsRegistry.h"
#include "support/TestPlatform.h"

namespace {

using Bytes = std::vector<std::uint8_t>;
const RegKey HKCR = RootKey(RegRoot::ClassesRoot);
const char kProgram[] = "C:\\Program Files\\my-data\\Tabulon.exe";

// A class root as Windows keeps it:
//   .c, .h -> cfile (no description), .txt -> txtfile ("Plain & simple text"),
//   .nosh -> noshell (no shell key), .gone -> a type without a key,
//   .empty -> no type name; and a key that is no extension.
class RegistryFileTypes : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetDefault(".c", "cfile");
        SetDefault(".h", "cfile");
        SetDefault(".txt", "txtfile");
        SetDefault(".nosh", "noshell");
        SetDefault(".gone", "nothere");
        SetDefault(".empty", "");
        SetDefault("cfile", std::string("\0", 1));  // shorter than two bytes: no description
        SetDefault("txtfile", "Plain & simple text");
        SetDefault("noshell", "No shell");
        SetDefault("cfile\\shell", "");
        SetDefault("txtfile\\shell\\open\\command", "notepad \"%1\"");
        SetDefault("Folder\\shell", "");
    }

    void SetDefault(const std::string& key, const std::string& text)
    {
        RegKey handle;
        ASSERT_TRUE(registry.CreateKey(HKCR, key, &handle));
        ASSERT_TRUE(registry.SetValue(handle, "", REG_SZ, reinterpret_cast<const std::uint8_t*>(text.data()),
                                      text.size()));
        registry.CloseKey(handle);
    }

    bool Exists(const std::string& key)
    {
        RegKey handle;
        if (!registry.OpenKey(HKCR, key, false, &handle)) return false;
        registry.CloseKey(handle);
        return true;
    }

    CFileTypeList Load()
    {
        CFileTypeList list;
        list.Fill(fileTypes.ListFileTypes());
        return list;
    }

    long KeyOf(CFileTypeList& list, const std::string& type)
    {
        for (const auto& [key, entry] : list.Entries())
            if (entry.typeName == type) return key;
        ADD_FAILURE() << "no row for " << type;
        return -1;
    }

    // Clicks the row, ticks Enable and the open mode, and applies.
    std::vector<long> Enable(CFileTypeList& list, const std::string& type, OpenModeBox box, bool hex)
    {
        const long key = KeyOf(list, type);
        FileTypeControls controls = ControlsForSelection({list.Find(key)});
        ClickEnable(&controls, true);
        if (hex) ClickViewBox(&controls.hex, true);
        ClickOpenMode(&controls, box);
        controls.widthText = "128";
        return ApplyFileTypeControls(list, {key}, controls, kProgram, fileTypes);
    }

    TestPlatform platform;
    CMemoryRegistry& registry = platform.registry;
    CRegistryFileTypes fileTypes{registry};
};

TEST_F(RegistryFileTypes, TypesWithAShellKeyAreListedOnceWithAllTheirExtensions)
{
    CFileTypeList list = Load();
    ASSERT_EQ(2u, list.Entries().size());  // cfile and txtfile
    const FileTypeEntry& c = *list.Find(KeyOf(list, "cfile"));
    EXPECT_EQ(" .c .h", c.extensions);
    EXPECT_EQ("c file", c.description);
    EXPECT_FALSE(c.enabled);
    const FileTypeEntry& txt = *list.Find(KeyOf(list, "txtfile"));
    EXPECT_EQ("Plain & simple text", txt.description);
    EXPECT_EQ(" .txt", txt.extensions);
}

TEST_F(RegistryFileTypes, TheVerbIsTheCommandKeysDefaultValueAndGoesWithItsKey)
{
    CFileTypeList list = Load();
    ASSERT_EQ(1u, Enable(list, "cfile", kBinaryBox, true).size());

    // Only the command key's default value is written, a string with its NUL.
    FileTypeEntry entry;
    entry.hex = true;
    entry.width = 128;
    const std::string command = BuildVerbCommand(kProgram, entry);
    RegKey key;
    ASSERT_TRUE(registry.OpenKey(HKCR, "cfile\\shell\\Tabulon\\command", false, &key));
    RegType type = REG_NONE;
    Bytes data;
    ASSERT_TRUE(registry.QueryValue(key, "", &type, &data));
    registry.CloseKey(key);
    EXPECT_EQ(REG_SZ, type);
    Bytes expected(command.begin(), command.end());
    expected.push_back(0);
    EXPECT_EQ(expected, data);
    ASSERT_TRUE(registry.OpenKey(HKCR, "cfile\\shell\\Tabulon", false, &key));
    EXPECT_FALSE(registry.QueryValue(key, "", nullptr, &data));
    registry.CloseKey(key);

    // Opened again, the row reads its verb back.
    list = Load();
    const long row = KeyOf(list, "cfile");
    EXPECT_EQ("X", CFileTypeList::ColumnText(*list.Find(row), CFileTypeList::kHexColumn));
    EXPECT_EQ("BINARY-128", CFileTypeList::ColumnText(*list.Find(row), CFileTypeList::kModeColumn));

    // Disabling removes the verb and its command, and nothing else.
    FileTypeControls controls = ControlsForSelection({list.Find(row)});
    ClickEnable(&controls, false);
    ApplyFileTypeControls(list, {row}, controls, kProgram, fileTypes);
    EXPECT_FALSE(Exists("cfile\\shell\\Tabulon"));
    EXPECT_TRUE(Exists("cfile\\shell"));
    EXPECT_TRUE(fileTypes.RemoveVerb("cfile"));  // a missing verb is no error
    EXPECT_FALSE(Load().Find(KeyOf(list, "cfile"))->enabled);
}

TEST_F(RegistryFileTypes, RemovingTheRegistrationRemovesEveryVerb)
{
    CFileTypeList list = Load();
    Enable(list, "cfile", kAutoBox, false);
    Enable(list, "txtfile", kDosBox, false);
    SetDefault("Folder\\shell\\Tabulon\\command", "x");  // one on a type without extensions too
    SaveSettings(Settings{}, registry);
    EXPECT_TRUE(RemoveRegistration(registry, fileTypes));
    for (const char* type : {"cfile", "txtfile", "Folder"})
        EXPECT_FALSE(Exists(std::string(type) + "\\shell\\Tabulon")) << type;
    EXPECT_TRUE(Exists("txtfile\\shell\\open\\command"));
    EXPECT_TRUE(fileTypes.RemoveAllVerbs());
}

// A class root the user may not write to, as without administrator rights.
class ReadOnlyRegistry : public CMemoryRegistry {
protected:
    bool CanWrite() const override { return false; }
};

TEST_F(RegistryFileTypes, AClassRootThatRefusesWritesIsReportedOnce)
{
    ReadOnlyRegistry readOnly;
    RegKey key;
    readOnly.Tree().Root(RegRoot::ClassesRoot).AddSubKey(".c")->SetValue("", REG_SZ, {'c', 0});
    readOnly.Tree().Root(RegRoot::ClassesRoot).AddSubKey("c")->AddSubKey("shell");
    readOnly.Tree().Root(RegRoot::ClassesRoot).AddSubKey(".d")->SetValue("", REG_SZ, {'d', 0});
    readOnly.Tree().Root(RegRoot::ClassesRoot).AddSubKey("d")->AddSubKey("shell");
    CRegistryFileTypes types(readOnly);
    CFileTypeList list;
    list.Fill(types.ListFileTypes());
    const std::vector<long> keys = list.Keys();
    ASSERT_EQ(2u, keys.size());
    std::vector<const FileTypeEntry*> rows{list.Find(keys[0]), list.Find(keys[1])};
    FileTypeControls controls = ControlsForSelection(rows);
    ClickEnable(&controls, true);
    EXPECT_TRUE(ApplyFileTypeControls(list, keys, controls, kProgram, types).empty());
    ASSERT_EQ(1u, platform.messageBox.boxes.size());
    EXPECT_EQ("Cannot write to Registry!", platform.messageBox.boxes[0].text);
    EXPECT_FALSE(readOnly.OpenKey(HKCR, "c\\shell\\Tabulon", false, &key));

    // The settings are not written either, and nothing is said.
    SaveSettings(Settings{}, readOnly);
    EXPECT_FALSE(readOnly.OpenKey(RootKey(RegRoot::LocalMachine), kSettingsKey, false, &key));
    EXPECT_EQ(1u, platform.messageBox.boxes.size());
}

}  // namespace
