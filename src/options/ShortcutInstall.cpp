#include "options/ShortcutInstall.h"

#include <sys/stat.h>

#include "options/OptionsMessages.h"
#include "platform/Platform.h"
#include "platform/Shortcuts.h"

std::string InitialInstallPath(const std::string& exePath, const std::string& currentFolder)
{
    if (!exePath.empty()) return exePath;
    const bool endsInSlash = !currentFolder.empty() && currentFolder.back() == '/';
    return currentFolder + (endsInSlash ? "" : "/") + kProgramFileName;
}

bool IsProgramFile(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    const std::string program = kProgramFileName;
    if (name.size() != program.size()) return false;
    for (std::size_t i = 0; i < name.size(); ++i) {
        const char c = name[i] >= 'A' && name[i] <= 'Z' ? static_cast<char>(name[i] - 'A' + 'a') : name[i];
        if (c != program[i]) return false;
    }
    return true;
}

bool ProgramFileExists(const std::string& path)
{
    struct stat info {};
    return !path.empty() && ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

bool CreateProgramShortcuts(const std::string& programPath, IShortcuts& shortcuts, void* owner)
{
    // Both are tried; a failure is reported once, after both.
    const bool desktop = shortcuts.CreateShortcut(programPath, shortcuts.DesktopShortcutPath(), kShortcutDescription);
    const bool menu = shortcuts.CreateShortcut(programPath, shortcuts.MenuShortcutPath(), kShortcutDescription);
    const bool ok = desktop && menu;
    ShowMessage(ok ? kInstallDone : kInstallFailed, ok ? kInstallDoneCaption : kInstallFailedCaption,
                MbIcon::Information, MbButtons::Ok, owner);
    return ok;
}
