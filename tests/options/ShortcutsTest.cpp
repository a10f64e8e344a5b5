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
    WriteRecordingProgram(program);
    const std::string data = sandbox.dir.File("some data");
    WriteFileBytes(data, "x");
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
        EXPECT_EQ(data + "\n", GioLaunch(file, data, program));
        struct stat info {};
        ASSERT_EQ(0, ::stat(file.c_str(), &info));
        EXPECT_TRUE(info.st_mode & S_IXUSR);
    }
    ASSERT_EQ(1u, platform.messageBox.boxes.size());
    EXPECT_EQ("Woohoo!", platform.messageBox.boxes[0].caption);
    EXPECT_EQ("Installation completed successfully", platform.messageBox.boxes[0].text);
}

TEST_F(Shortcuts, AMissingDesktopFolderIsNotMadeAndTheMessageNamesTheShortcut)
{
    WriteFileBytes(sandbox.ConfigHome() + "/user-dirs.dirs",
                   "# written by xdg-user-dirs-update\nXDG_DESKTOP_DIR=\"$HOME/Schreibtisch\"\n");
    std::string answer;
    ASSERT_EQ(0, RunCommand("xdg-user-dir DESKTOP", &answer)) << "xdg-user-dir (package xdg-user-dirs) missing or failing";
    EXPECT_EQ(sandbox.Home() + "/Schreibtisch\n", answer);
    EXPECT_EQ("", shortcuts.DesktopShortcutPath());  // not there

    // The menu entry is still made, and one message tells of the other.
    EXPECT_FALSE(CreateProgramShortcuts("/usr/bin/tabulon", shortcuts));
    EXPECT_FALSE(FileExists(sandbox.Home() + "/Schreibtisch"));
    EXPECT_TRUE(FileExists(shortcuts.MenuShortcutPath()));
    ASSERT_EQ(1u, platform.messageBox.boxes.size());
    EXPECT_EQ("Doh!", platform.messageBox.boxes[0].caption);
    EXPECT_EQ("Error occurred during installation\nDesktop shortcut not made: there is no desktop folder",
              platform.messageBox.boxes[0].text);
    std::filesystem::create_directory(sandbox.Home() + "/Schreibtisch");
    EXPECT_EQ(sandbox.Home() + "/Schreibtisch/Tabulon.desktop", shortcuts.DesktopShortcutPath());
}

TEST_F(Shortcuts, OnlyLaunchersTheInstallWroteAreReplacedOrRemoved)
{
    const std::string program = "/opt/tabulon/bin/tabulon";
    const std::string desktop = shortcuts.DesktopShortcutPath();
    const std::string menu = shortcuts.MenuShortcutPath();
    // A package installed under ~/.local brings a launcher of our name; on
    // the desktop lies one that Install wrote before it marked them.
    const std::string packaged = LauncherEntryText("tabulon", kLauncherComment);
    std::filesystem::create_directories(sandbox.DataHome() + "/applications");
    WriteFileBytes(menu, packaged);
    const std::string unmarked = LauncherEntryText(QuoteExecArgument(program), "Tabulon");
    WriteFileBytes(desktop, unmarked);
    EXPECT_FALSE(CreateProgramShortcuts(program, shortcuts));
    EXPECT_EQ(packaged, ReadFileBytes(menu));
    ASSERT_EQ(1u, platform.messageBox.boxes.size());
    EXPECT_EQ("Error occurred during installation\nMenu shortcut not made: " + menu, platform.messageBox.boxes[0].text);
    std::string mark;
    EXPECT_TRUE(ReadDesktopEntryKey(ReadFileBytes(desktop), "X-Tabulon-Installed", &mark));
    EXPECT_EQ("true", mark);

    // Removal takes an unmarked one only when it is what Install wrote for
    // the stored path, and leaves the package's.
    WriteFileBytes(desktop, unmarked);
    EXPECT_TRUE(shortcuts.DeleteShortcut("/elsewhere/tabulon", desktop, "Tabulon"));
    EXPECT_TRUE(FileExists(desktop));
    EXPECT_TRUE(shortcuts.DeleteShortcut(program, desktop, "Tabulon"));
    EXPECT_FALSE(FileExists(desktop));
    EXPECT_TRUE(shortcuts.DeleteShortcut(program, menu, "Tabulon"));
    EXPECT_EQ(packaged, ReadFileBytes(menu));
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

TEST_F(Shortcuts, AProgramPathWithPercentIsRefusedAtOk)
{
    const std::string percent = sandbox.dir.File("100%/tabulon");
    WriteRecordingProgram(percent);
    EXPECT_FALSE(AcceptInstallPath(percent));
    ASSERT_EQ(1u, platform.messageBox.boxes.size());
    EXPECT_EQ("The program path must not contain \"%\".  Move the program and Try Again.",
              platform.messageBox.boxes[0].text);
    EXPECT_EQ("Oops", platform.messageBox.boxes[0].caption);
    EXPECT_EQ(MbIcon::Stop, platform.messageBox.boxes[0].icon);
    // Nor is a launcher written that the desktop would refuse to start.
    EXPECT_FALSE(shortcuts.CreateShortcut(percent, shortcuts.MenuShortcutPath(), "Tabulon"));
    EXPECT_FALSE(FileExists(shortcuts.MenuShortcutPath()));
}

}  // namespace
