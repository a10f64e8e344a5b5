#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>

#include "options/ShortcutInstall.h"
#include "platform/DesktopEntry.h"
#include "platform/LauncherEntry.h"
#include "platform/posix/FreedesktopShortcuts.h"
#include "support/TestPlatform.h"
#include "support/XdgSandbox.h"

namespace {

class Shortcuts : public ::testing::Test {
protected:
    std::string Exec(const std::string& file)
    {
        std::string exec;
        EXPECT_TRUE(ReadDesktopEntryKey(ReadFileBytes(file), "Exec", &exec)) << file;
        std::vector<std::string> args;
        EXPECT_TRUE(SplitExecLine(exec, &args));
        return args.empty() ? std::string() : args[0];
    }

    XdgSandbox sandbox;
    TestPlatform platform;
    CFreedesktopShortcuts shortcuts;
};

TEST_F(Shortcuts, BothEntriesStartTheProgramAndPassValidation)
{
    const std::string program = sandbox.dir.File("my apps/tabulon");
    EXPECT_TRUE(CreateProgramShortcuts(program, shortcuts));
    const std::string desktop = sandbox.Home() + "/Desktop/Tabulon.desktop";
    const std::string menu = sandbox.DataHome() + "/applications/Tabulon.desktop";
    EXPECT_EQ(desktop, shortcuts.DesktopShortcutPath());
    EXPECT_EQ(menu, shortcuts.MenuShortcutPath());
    for (const auto& file : {desktop, menu}) {
        EXPECT_EQ(program, Exec(file));
        std::string comment;
        EXPECT_TRUE(ReadDesktopEntryKey(ReadFileBytes(file), "Comment", &comment));
        EXPECT_EQ("Tabulon", comment);
        // The menu copy replaces the packaged launcher of the same id, so it
        // keeps its icon, category and file types.
        const std::string packaged = LauncherEntryText("tabulon", kLauncherComment);
        for (const char* key : {"Name", "Icon", "Categories", "MimeType"}) {
            std::string ours, theirs;
            EXPECT_TRUE(ReadDesktopEntryKey(ReadFileBytes(file), key, &ours)) << key;
            EXPECT_TRUE(ReadDesktopEntryKey(packaged, key, &theirs)) << key;
            EXPECT_EQ(theirs, ours) << key;
        }
        std::string output;
        EXPECT_EQ(0, RunCommand("desktop-file-validate '" + file + "'", &output)) << output;
        struct stat info {};
        ASSERT_EQ(0, ::stat(file.c_str(), &info));
        EXPECT_TRUE(info.st_mode & S_IXUSR);
    }
    ASSERT_EQ(1u, platform.messageBox.boxes.size());
    EXPECT_EQ("Woohoo!", platform.messageBox.boxes[0].caption);
    EXPECT_EQ("Installation completed successfully", platform.messageBox.boxes[0].text);
}

TEST_F(Shortcuts, DesktopFolderComesFromUserDirsAndAFailureIsReportedOnce)
{
    std::filesystem::create_directories(sandbox.ConfigHome());
    WriteFileBytes(sandbox.ConfigHome() + "/user-dirs.dirs",
                   "# written by xdg-user-dirs-update\nXDG_DESKTOP_DIR=\"$HOME/Schreibtisch\"\n");
    EXPECT_EQ(sandbox.Home() + "/Schreibtisch/Tabulon.desktop", shortcuts.DesktopShortcutPath());
    std::string answer;
    ASSERT_EQ(0, RunCommand("xdg-user-dir DESKTOP", &answer)) << "xdg-user-dir (package xdg-user-dirs) missing or failing";
    EXPECT_EQ(sandbox.Home() + "/Schreibtisch\n", answer);

    // A desktop folder that cannot be made: the menu entry is still made,
    // and one message tells of the failure.
    WriteFileBytes(sandbox.dir.File("file"), "x");
    WriteFileBytes(sandbox.ConfigHome() + "/user-dirs.dirs", "XDG_DESKTOP_DIR=\"" + sandbox.dir.File("file") + "/d\"\n");
    EXPECT_FALSE(CreateProgramShortcuts("/usr/bin/tabulon", shortcuts));
    EXPECT_TRUE(FileExists(shortcuts.MenuShortcutPath()));
    ASSERT_EQ(1u, platform.messageBox.boxes.size());
    EXPECT_EQ("Doh!", platform.messageBox.boxes[0].caption);
    EXPECT_EQ("Error occurred during installation", platform.messageBox.boxes[0].text);
}

TEST_F(Shortcuts, ProgramFileAndInitialPath)
{
    EXPECT_TRUE(IsProgramFile("/opt/x/tabulon"));
    EXPECT_TRUE(IsProgramFile("/opt/x/TABULON"));
    EXPECT_FALSE(IsProgramFile("/opt/tabulon/ls"));
    EXPECT_FALSE(IsProgramFile("/opt/x/tabulon.sh"));
    EXPECT_EQ("/work/tabulon", InitialInstallPath("", "/work"));
    EXPECT_EQ("/usr/bin/tabulon", InitialInstallPath("/usr/bin/tabulon", "/work"));
    EXPECT_FALSE(ProgramFileExists(sandbox.dir.Path()));  // a folder is no program
}

}  // namespace
