#include <gtest/gtest.h>

#include "platform/win/WideText.h"
#include "platform/win/WinShortcuts.h"
#include "support/TempDir.h"

#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

namespace {

// What a shell link file says, read back through the shell's link object.
bool ReadLink(const std::string& file, std::wstring* target, std::wstring* description)
{
    IShellLinkW* link = nullptr;
    if (FAILED(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                  reinterpret_cast<void**>(&link))))
        return false;
    IPersistFile* persist = nullptr;
    bool ok = SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&persist)));
    wchar_t buffer[MAX_PATH] = {};
    ok = ok && SUCCEEDED(persist->Load(WideText(file).c_str(), STGM_READ)) &&
         SUCCEEDED(link->GetPath(buffer, MAX_PATH, nullptr, SLGP_RAWPATH));
    *target = buffer;
    ok = ok && SUCCEEDED(link->GetDescription(buffer, MAX_PATH));
    *description = buffer;
    if (persist) persist->Release();
    link->Release();
    return ok;
}

TEST(WinShortcuts, AreShellLinksOnTheDesktopAndInTheStartMenusPrograms)
{
    ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    CWinShortcuts shortcuts;
    const std::string desktop = shortcuts.DesktopShortcutPath();
    const std::string menu = shortcuts.MenuShortcutPath();
    EXPECT_EQ("\\Tabulon.lnk", desktop.substr(desktop.size() - 12)) << desktop;
    EXPECT_EQ("\\Programs\\Tabulon.lnk", menu.substr(menu.size() - 21)) << menu;

    TempDir dir;
    const std::string program = dir.File("Tabulon.exe");
    WriteFileBytes(program, "MZ");
    const std::string file = dir.File("missing folder\\Tabulon.lnk");  // created as needed
    ASSERT_TRUE(shortcuts.CreateShortcut(program, file, "Tabulon"));
    std::wstring target, description;
    ASSERT_TRUE(ReadLink(file, &target, &description));
    EXPECT_EQ(WideText(program), target);
    EXPECT_EQ(L"Tabulon", description);
    EXPECT_TRUE(shortcuts.DeleteShortcut(program, file, "Tabulon"));
    EXPECT_FALSE(FileExists(file));
    EXPECT_TRUE(shortcuts.DeleteShortcut(program, file, "Tabulon"));  // a missing one is no error
    // A link the shell cannot save is reported, not passed over.
    EXPECT_FALSE(shortcuts.CreateShortcut(program, dir.File("no<such>name.lnk"), "Tabulon"));
    ::CoUninitialize();
}

}  // namespace
