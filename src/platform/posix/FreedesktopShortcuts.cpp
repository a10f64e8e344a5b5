#include "platform/posix/FreedesktopShortcuts.h"

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/DesktopEntry.h"
#include "platform/posix/FreedesktopPaths.h"
#include "platform/posix/PosixFiles.h"

namespace {

constexpr char kShortcutName[] = "/Tabulon.desktop";

}  // namespace

std::string CFreedesktopShortcuts::DesktopShortcutPath() { return DesktopFolder() + kShortcutName; }

std::string CFreedesktopShortcuts::MenuShortcutPath() { return DataHome() + "/applications" + kShortcutName; }

bool CFreedesktopShortcuts::CreateShortcut(const std::string& target, const std::string& shortcutFile,
                                           const std::string& description)
{
    if (target.empty() || shortcutFile.empty()) return false;
    const std::string text = DesktopEntryText({{"Type", "Application"},
                                               {"Name", "Tabulon"},
                                               {"Comment", description},
                                               {"Exec", QuoteExecArgument(target) + " %f"},
                                               {"Terminal", "false"},
                                               {"Categories", "Utility;TextEditor;"}});
    if (!MakeParentDirectories(shortcutFile) || !WriteFileAtomically(shortcutFile, text)) return false;
    // Desktops start only launchers that are marked executable.
    return ::chmod(shortcutFile.c_str(), 0755) == 0;
}

bool CFreedesktopShortcuts::DeleteShortcut(const std::string& shortcutFile)
{
    return shortcutFile.empty() || ::unlink(shortcutFile.c_str()) == 0 || errno == ENOENT;
}
