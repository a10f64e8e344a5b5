#include "platform/posix/FreedesktopShortcuts.h"

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/DesktopEntry.h"
#include "platform/LauncherEntry.h"
#include "platform/SystemNames.h"
#include "platform/posix/FreedesktopPaths.h"
#include "platform/posix/PosixFiles.h"

namespace {

// Marks the launchers the program writes, so that it replaces or deletes no
// launcher of another's (a package installed under ~/.local has one of the
// same name). The packaged launcher never carries it.
constexpr char kInstalledKey[] = "X-Tabulon-Installed";

std::string InstalledEntryText(const std::string& target, const std::string& description)
{
    return LauncherEntryText(QuoteExecArgument(target), description) + kInstalledKey + "=true\n";
}

// Whether the file may be replaced or deleted: nothing is there, or an
// entry the program wrote. Entries written before the mark count when they
// are the very text it wrote for `target`.
bool IsOursOrFree(const std::string& file, const std::string& target, const std::string& description)
{
    std::string text;
    const ReadResult read = ReadWholeFile(file, &text);
    if (read != ReadResult::Ok) return read == ReadResult::Missing;
    std::string mark;
    if (ReadDesktopEntryKey(text, kInstalledKey, &mark)) return mark == "true";
    return text == LauncherEntryText(QuoteExecArgument(target), description);
}

}  // namespace

std::string CFreedesktopShortcuts::DesktopShortcutPath()
{
    // The desktop folder is the user's to make; without it there is no
    // desktop shortcut.
    const std::string folder = DesktopFolder();
    struct stat info {};
    if (::stat(folder.c_str(), &info) != 0 || !S_ISDIR(info.st_mode)) return {};
    return folder + "/" + kLauncherDesktopId;
}

std::string CFreedesktopShortcuts::MenuShortcutPath() { return DataHome() + "/applications/" + kLauncherDesktopId; }

bool CFreedesktopShortcuts::CreateShortcut(const std::string& target, const std::string& shortcutFile,
                                           const std::string& description)
{
    if (target.empty() || shortcutFile.empty() || ProgramPathRefusal(target)) return false;
    if (!IsOursOrFree(shortcutFile, target, description)) return false;
    // Of the folders only the menu's is made when missing.
    if (shortcutFile == MenuShortcutPath() && !MakeParentDirectories(shortcutFile)) return false;
    if (!WriteFileAtomically(shortcutFile, InstalledEntryText(target, description))) return false;
    // Desktops start only launchers that are marked executable.
    return ::chmod(shortcutFile.c_str(), 0755) == 0;
}

bool CFreedesktopShortcuts::DeleteShortcut(const std::string& target, const std::string& shortcutFile,
                                           const std::string& description)
{
    if (shortcutFile.empty() || !IsOursOrFree(shortcutFile, target, description)) return true;
    return ::unlink(shortcutFile.c_str()) == 0 || errno == ENOENT;
}
