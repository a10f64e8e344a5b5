#include <gtest/gtest.h>

#include <filesystem>

#include "options/FileTypeControls.h"
#include "options/FileTypeList.h"
#include "options/VerbCommandLine.h"
#include "platform/DesktopEntry.h"
#include "platform/MimeAppsList.h"
#include "platform/posix/FreedesktopFileTypes.h"
#include "settings/SettingsRegistry.h"
#include "support/TestPlatform.h"
#include "support/XdgSandbox.h"

namespace {

class FileTypes : public ::testing::Test {
protected:
    // The system lists a verb only when its program exists; its folder has
    // a hyphen that must not be read as a switch.
    void SetUp() override
    {
        program = sandbox.dir.File("my-data/tabulon");
        WriteRecordingProgram(program);
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

    // Selects rows as a click would and answers the boxes they show.
    FileTypeControls Select(CFileTypeList& list, const std::vector<long>& keys)
    {
        std::vector<const FileTypeEntry*> rows;
        for (long key : keys) rows.push_back(list.Find(key));
        return ControlsForSelection(rows);
    }

    std::vector<long> Apply(CFileTypeList& list, const std::vector<long>& keys, const FileTypeControls& controls)
    {
        return ApplyFileTypeControls(list, keys, controls, program, fileTypes);
    }

    // Enables a type with the given open-mode box (and width text).
    void Enable(const std::string& type, OpenModeBox box, const std::string& width = "64", bool hex = false)
    {
        CFileTypeList list = Load();
        const long key = KeyOf(list, type);
        FileTypeControls controls = Select(list, {key});
        ClickEnable(&controls, true);
        if (hex) ClickViewBox(&controls.hex, true);
        ClickOpenMode(&controls, box);
        controls.widthText = width;
        ASSERT_EQ(1u, Apply(list, {key}, controls).size());
    }

    std::string ExecOf(const std::string& type)
    {
        std::string exec;
        EXPECT_TRUE(ReadDesktopEntryKey(ReadFileBytes(CFreedesktopFileTypes::VerbEntryPath(type)), "Exec", &exec));
        return exec;
    }

    XdgSandbox sandbox;
    TestPlatform platform;
    CFreedesktopFileTypes fileTypes;
    std::string program;
};

TEST_F(FileTypes, ExtensionsOfOneTypeShareARowAndOddGlobsAreSkipped)
{
    CFileTypeList list = Load();
    ASSERT_EQ(3u, list.Entries().size());  // x-csrc, plain, x-data; no core, evil or bad
    const FileTypeEntry& c = *list.Find(KeyOf(list, "text/x-csrc"));
    EXPECT_EQ(" .c .h", c.extensions);
    EXPECT_EQ("c file", c.description);  // no description file
    EXPECT_FALSE(c.enabled);
    EXPECT_EQ("Plain & simple text", list.Find(KeyOf(list, "text/plain"))->description);
    EXPECT_EQ(" .txt", list.Find(KeyOf(list, "text/plain"))->extensions);

    std::vector<long> keys = list.Keys();
    list.Sort(&keys, CFileTypeList::kDescriptionColumn);  // upper case: "C FILE" < "DATA FILE" < "PLAIN..."
    EXPECT_EQ("text/x-csrc", list.Find(keys[0])->typeName);
    EXPECT_EQ("text/plain", list.Find(keys[2])->typeName);
}

TEST_F(FileTypes, EnablingHexBinaryWritesAVerbTheSystemLists)
{
    Enable("text/x-csrc", kBinaryBox, "128", true);

    std::vector<std::string> args;
    ASSERT_TRUE(SplitExecLine(ExecOf("text/x-csrc"), &args));
    EXPECT_EQ((std::vector<std::string>{program, "-h", "-w", "128", "%f"}), args);
    const std::string entry = ReadFileBytes(CFreedesktopFileTypes::VerbEntryPath("text/x-csrc"));
    std::string noDisplay;
    EXPECT_TRUE(ReadDesktopEntryKey(entry, "NoDisplay", &noDisplay));
    EXPECT_EQ("true", noDisplay);
    const std::string id = CFreedesktopFileTypes::VerbDesktopId("text/x-csrc");
    EXPECT_TRUE(HasMimeAssociation(ReadFileBytes(sandbox.MimeAppsList()), "text/x-csrc", id));

    std::string listed;
    ASSERT_EQ(0, RunCommand("gio mime text/x-csrc", &listed)) << listed;
    EXPECT_NE(std::string::npos, listed.find(id)) << listed;
    std::string validation;
    EXPECT_EQ(0, RunCommand("desktop-file-validate '" + CFreedesktopFileTypes::VerbEntryPath("text/x-csrc") + "'",
                            &validation))
        << validation;

    // Opened again, the row reads its verb back.
    CFileTypeList list = Load();
    const FileTypeEntry& c = *list.Find(KeyOf(list, "text/x-csrc"));
    EXPECT_EQ("X", CFileTypeList::ColumnText(c, CFileTypeList::kEnabledColumn));
    EXPECT_EQ("X", CFileTypeList::ColumnText(c, CFileTypeList::kHexColumn));
    EXPECT_EQ("", CFileTypeList::ColumnText(c, CFileTypeList::kSourceColumn));
    EXPECT_EQ("BINARY-128", CFileTypeList::ColumnText(c, CFileTypeList::kModeColumn));
}

TEST_F(FileTypes, CommandsReadBackFromTheArgumentsAfterTheProgramOnly)
{
    FileTypeEntry entry;
    ReadVerbCommand("\"/opt/my-data/tabulon\" -d -w 80 %f", &entry);
    EXPECT_EQ("DOS", VerbModeText(entry));  // DOS wins over a width
    ReadVerbCommand("\"/home/x-h/-s/tabulon\" -u %f", &entry);
    EXPECT_FALSE(entry.hex);  // hyphens in the path are no switches
    EXPECT_FALSE(entry.source);
    EXPECT_EQ("UNIX", VerbModeText(entry));
    ReadVerbCommand("\"/t/tabulon\" -s -w128 %f", &entry);
    EXPECT_TRUE(entry.source);
    EXPECT_EQ("BINARY-128", VerbModeText(entry));
    // Hand edits: an open quotation, a width no record can have.
    ReadVerbCommand("\"/t/tabulon -h %f", &entry);
    EXPECT_EQ("AUTO", VerbModeText(entry));
    ReadVerbCommand("\"/t/tabulon\" -w 99999 %f", &entry);
    EXPECT_EQ("BINARY-64", VerbModeText(entry));
    ReadVerbCommand("\"/t/tabulon\" -w -5 %f", &entry);
    EXPECT_EQ("AUTO", VerbModeText(entry));

    // Building quotes what the Exec rules reserve.
    entry = FileTypeEntry{};
    entry.source = true;
    entry.mode = 2;
    std::vector<std::string> args;
    ASSERT_TRUE(SplitExecLine(BuildVerbCommand("/a b/$x \"q\" 100%/tabulon", entry), &args));
    EXPECT_EQ((std::vector<std::string>{"/a b/$x \"q\" 100%/tabulon", "-s", "-u", "%f"}), args);
}

TEST_F(FileTypes, WidthZeroAndFortyThousandStoreSixtyFour)
{
    EXPECT_EQ(64, BinaryWidthFromField(""));
    EXPECT_EQ(64, BinaryWidthFromField("abc"));
    EXPECT_EQ(300, BinaryWidthFromField(" 300 "));
    Enable("text/x-csrc", kBinaryBox, "0");
    EXPECT_NE(std::string::npos, ExecOf("text/x-csrc").find(" -w 64 %f"));
    Enable("text/x-csrc", kBinaryBox, "40000");
    EXPECT_NE(std::string::npos, ExecOf("text/x-csrc").find(" -w 64 %f"));
}

TEST_F(FileTypes, DisablingRemovesEntryAndAssociationAndKeepsEveryOtherByte)
{
    // A foreign, partly damaged list: unknown lines, no final newline.
    const std::string original =
        "# mine\n[Default Applications]\ntext/x-csrc=vim.desktop\n\n[Added Associations]\n"
        "text/x-csrc=emacs.desktop;\r\ngarbage line\n\x01\x02 binary=;;\n[Removed Associations]\ntext/plain=x";
    WriteFileBytes(sandbox.MimeAppsList(), original);
    Enable("text/x-csrc", kDosBox);
    Enable("text/plain", kAutoBox);
    const std::string enabled = ReadFileBytes(sandbox.MimeAppsList());
    EXPECT_NE(std::string::npos, enabled.find("text/x-csrc=emacs.desktop;tabulon-text-x_2dcsrc.desktop;\r\n"));
    EXPECT_NE(std::string::npos, enabled.find("text/plain=tabulon-text-plain.desktop;\n[Removed"));

    for (const char* type : {"text/x-csrc", "text/plain"}) {
        CFileTypeList list = Load();
        const long key = KeyOf(list, type);
        FileTypeControls controls = Select(list, {key});
        ClickEnable(&controls, false);
        Apply(list, {key}, controls);
        EXPECT_FALSE(list.Find(key)->enabled);
        EXPECT_FALSE(FileExists(CFreedesktopFileTypes::VerbEntryPath(type)));
    }
    EXPECT_EQ(original, ReadFileBytes(sandbox.MimeAppsList()));
    CFileTypeList list = Load();
    EXPECT_FALSE(list.Find(KeyOf(list, "text/x-csrc"))->enabled);
}

TEST_F(FileTypes, MixedBoxesChangeOnlyWhatTheRowsShare)
{
    Enable("text/x-csrc", kAutoBox);
    Enable("text/plain", kDosBox);
    CFileTypeList list = Load();
    const std::vector<long> keys{KeyOf(list, "text/x-csrc"), KeyOf(list, "text/plain"), KeyOf(list, "application/x-data")};

    // AUTO and DOS: those two boxes mixed; a shared change keeps each mode.
    FileTypeControls two = Select(list, {keys[0], keys[1]});
    EXPECT_EQ(Tri::Checked, two.enable);
    EXPECT_EQ(Tri::Mixed, two.openMode[kAutoBox]);
    EXPECT_EQ(Tri::Mixed, two.openMode[kDosBox]);
    EXPECT_EQ(Tri::Unchecked, two.openMode[kUnixBox]);
    ClickViewBox(&two.source, true);
    Apply(list, {keys[0], keys[1]}, two);
    EXPECT_EQ("AUTO", VerbModeText(*list.Find(keys[0])));
    EXPECT_EQ("DOS", VerbModeText(*list.Find(keys[1])));
    EXPECT_TRUE(list.Find(keys[1])->source);

    // With the disabled row too, Enable is mixed: only enabled rows change.
    FileTypeControls three = Select(list, keys);
    EXPECT_EQ(Tri::Mixed, three.enable);
    ClickViewBox(&three.hex, true);
    EXPECT_EQ(2u, Apply(list, keys, three).size());
    EXPECT_TRUE(list.Find(keys[0])->hex);
    EXPECT_FALSE(list.Find(keys[2])->enabled);
    EXPECT_FALSE(FileExists(CFreedesktopFileTypes::VerbEntryPath("application/x-data")));
    EXPECT_NE(std::string::npos, ExecOf("text/plain").find(" -h -s -d %f"));

    // Sorting by mode: enabled first, AUTO before DOS.
    std::vector<long> order = list.Keys();
    list.Sort(&order, CFileTypeList::kModeColumn);
    EXPECT_EQ((std::vector<long>{keys[0], keys[1], keys[2]}), order);
}

TEST_F(FileTypes, AnUnwritableConfigFolderIsReportedAndChangesNothing)
{
    WriteFileBytes(sandbox.dir.File("plain-file"), "x");
    sandbox.Set("XDG_CONFIG_HOME", sandbox.dir.File("plain-file/config"));
    CFileTypeList list = Load();
    const std::vector<long> keys{KeyOf(list, "text/x-csrc"), KeyOf(list, "text/plain")};
    FileTypeControls controls = Select(list, keys);
    ClickEnable(&controls, true);
    EXPECT_TRUE(Apply(list, keys, controls).empty());
    ASSERT_EQ(1u, platform.messageBox.boxes.size());  // the first failure ends the Apply
    EXPECT_EQ("Cannot write to Registry!", platform.messageBox.boxes[0].text);
    EXPECT_EQ("Huh?!", platform.messageBox.boxes[0].caption);
    EXPECT_FALSE(list.Find(keys[0])->enabled);
    EXPECT_FALSE(FileExists(CFreedesktopFileTypes::VerbEntryPath("text/x-csrc")));
}

TEST_F(FileTypes, RemovingTheRegistrationRemovesEveryVerb)
{
    Enable("text/x-csrc", kAutoBox);
    Enable("text/plain", kUnixBox);
    const std::string foreign = sandbox.DataHome() + "/applications/tabulon-notes.desktop";
    WriteFileBytes(foreign, "[Desktop Entry]\nType=Application\nName=Notes\nExec=notes\n");
    SaveSettings(Settings{}, platform.registry);
    EXPECT_TRUE(RemoveRegistration(platform.registry, fileTypes));
    EXPECT_FALSE(FileExists(CFreedesktopFileTypes::VerbEntryPath("text/x-csrc")));
    EXPECT_FALSE(FileExists(CFreedesktopFileTypes::VerbEntryPath("text/plain")));
    EXPECT_TRUE(FileExists(foreign));  // not ours
    EXPECT_EQ(std::string::npos, ReadFileBytes(sandbox.MimeAppsList()).find("tabulon-text"));
}

TEST_F(FileTypes, AProgramPathWithPercentIsRefusedLikeAFailedWrite)
{
    const std::string percent = sandbox.dir.File("100%/tabulon");
    WriteRecordingProgram(percent);
    CFileTypeList list = Load();
    const long key = KeyOf(list, "text/x-csrc");
    FileTypeControls controls = Select(list, {key});
    ClickEnable(&controls, true);
    ClickOpenMode(&controls, kDosBox);
    EXPECT_TRUE(ApplyFileTypeControls(list, {key}, controls, percent, fileTypes).empty());
    ASSERT_EQ(1u, platform.messageBox.boxes.size());
    EXPECT_EQ("Cannot write to Registry!", platform.messageBox.boxes[0].text);
    EXPECT_FALSE(list.Find(key)->enabled);
    EXPECT_FALSE(FileExists(CFreedesktopFileTypes::VerbEntryPath("text/x-csrc")));

    // What is written, the desktop starts: switches and file arrive whole.
    ASSERT_EQ(1u, Apply(list, {key}, controls).size());
    const std::string file = sandbox.dir.File("a b$.c");
    WriteFileBytes(file, "x");
    EXPECT_EQ("-d\n" + file + "\n", GioLaunch(CFreedesktopFileTypes::VerbEntryPath("text/x-csrc"), file, program));
}

TEST_F(FileTypes, TheAssociationGoesOnTheLineReadersHonour)
{
    const std::string id = CFreedesktopFileTypes::VerbDesktopId("text/x-csrc");
    // Readers merge the two groups and honour the last line of the type;
    // our id on the first is as good as absent. The user removed it too.
    const std::string first = "[Added Associations]\ntext/x-csrc=emacs.desktop;" + id + ";\n";
    const std::string last = "[Added Associations]\ntext/x-csrc=vim.desktop;";
    WriteFileBytes(sandbox.MimeAppsList(),
                   first + "[Removed Associations]\ntext/x-csrc=" + id + ";gedit.desktop;\n" + last + "\n");
    Enable("text/x-csrc", kAutoBox);
    EXPECT_EQ(first + "[Removed Associations]\ntext/x-csrc=gedit.desktop;\n" + last + id + ";\n",
              ReadFileBytes(sandbox.MimeAppsList()));
    std::string listed;
    ASSERT_EQ(0, RunCommand("gio mime text/x-csrc", &listed)) << listed;
    EXPECT_NE(std::string::npos, listed.find(id)) << listed;

    // A honoured line left empty stays, so that the one before it does not
    // come into force.
    EXPECT_EQ("[Added Associations]\na/b=x;\n[Added Associations]\na/b=\n",
              RemoveMimeAssociation("[Added Associations]\na/b=x;t;\n[Added Associations]\na/b=t;\n", "a/b", "t"));
}

TEST_F(FileTypes, EveryTypeHasAVerbFileOfItsOwnAndOldNamesAreTakenOver)
{
    EXPECT_EQ("tabulon-a_2db-c.desktop", CFreedesktopFileTypes::VerbDesktopId("a-b/c"));
    EXPECT_EQ("tabulon-a-b_2dc.desktop", CFreedesktopFileTypes::VerbDesktopId("a/b-c"));
    EXPECT_EQ("tabulon-x-a_24b.desktop", CFreedesktopFileTypes::VerbDesktopId("x/a$b"));
    EXPECT_EQ("tabulon-x-a_5fb.desktop", CFreedesktopFileTypes::VerbDesktopId("x/a_b"));
    ASSERT_TRUE(fileTypes.WriteVerb("a-b/c", "\"" + program + "\" -d %f"));
    ASSERT_TRUE(fileTypes.WriteVerb("a/b-c", "\"" + program + "\" -u %f"));
    EXPECT_NE(std::string::npos, ExecOf("a-b/c").find(" -d %f"));

    // Verbs written under the names of old show, and go with their
    // associations once written or removed.
    const std::string apps = sandbox.DataHome() + "/applications/";
    for (const char* type : {"text/x-csrc", "application/x-data"}) {
        std::string old = std::string("tabulon-") + type + ".desktop";
        old[old.find('/')] = '-';
        WriteFileBytes(apps + old, DesktopEntryText({{"Exec", "\"" + program + "\" -d %f"},
                                                     {"MimeType", std::string(type) + ";"},
                                                     {"X-Tabulon-Verb", "true"}}));
    }
    WriteFileBytes(sandbox.MimeAppsList(), "[Added Associations]\ntext/x-csrc=tabulon-text-x-csrc.desktop;\n"
                                           "application/x-data=tabulon-application-x-data.desktop;\n");
    CFileTypeList list = Load();
    EXPECT_EQ("DOS", CFileTypeList::ColumnText(*list.Find(KeyOf(list, "text/x-csrc")), CFileTypeList::kModeColumn));
    EXPECT_TRUE(list.Find(KeyOf(list, "application/x-data"))->enabled);
    Enable("text/x-csrc", kUnixBox);
    EXPECT_TRUE(fileTypes.RemoveVerb("application/x-data"));
    EXPECT_FALSE(FileExists(apps + "tabulon-text-x-csrc.desktop"));
    EXPECT_FALSE(FileExists(apps + "tabulon-application-x-data.desktop"));
    EXPECT_EQ("[Added Associations]\ntext/x-csrc=tabulon-text-x_2dcsrc.desktop;\n", ReadFileBytes(sandbox.MimeAppsList()));
}

}  // namespace
