#include "platform/posix/FreedesktopShortcuts.h"

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/DesktopEntry.h"
#include "platform/LauncherEntry.h"
#include "platform/posix/FreedesktopPaths.h"
#include "platform/posix/PosixFiles.h"

std::string CFreedesktopShortcuts::DesktopShortcutPath() { return DesktopFolder() + "/" + kLauncherDesktopId; }

std::string CFreedesktopShortcuts::MenuShortcutPath() { return DataHome() + "/applications/" + kLauncherDesktopId; }

bool CFreedesktopShortcuts::CreateShortcut(const std::string& target, const std::string& shortcutFile,
                                           const std::string& description)
{
    if (target.empty() || shortcutFile.empty()) return false;
    const std::string text = LauncherEntryText(QuoteExecArgument(target), description);
    if (!MakeParentDirectories(shortcutFile) || !WriteFileAtomically(shortcutFile, text)) return false;
    // Desktops start only launchers that are marked executable.
    return ::chmod(shortcutFile.c_str(), 0755) == 0;
}

bool CFreedesktopShortcuts::DeleteShortcut(const std::string& shortcutFile)
{
    return shortcutFile.empty() || ::unlink(shortcutFile.c_str()) == 0 || errno == ENOENT;
}
