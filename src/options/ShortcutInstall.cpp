#include "options/ShortcutInstall.h"

#include "options/OptionsMessages.h"
#include "platform/FileHandle.h"
#include "platform/Platform.h"
#include "platform/Shortcuts.h"
#include "platform/SystemNames.h"

std::string InitialInstallPath(const std::string& exePath, const std::string& currentFolder)
{
    if (!exePath.empty()) return exePath;
    const bool endsInSeparator = !currentFolder.empty() && FileNameOffset(currentFolder) == currentFolder.size();
    return currentFolder + (endsInSeparator ? "" : kFolderSeparator) + kProgramFileName;
}

bool IsProgramFile(const std::string& path)
{
    const std::string name = path.substr(FileNameOffset(path));
    const std::string program = kProgramFileName;
    if (name.size() != program.size()) return false;
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    for (std::size_t i = 0; i < name.size(); ++i)
        if (lower(name[i]) != lower(program[i])) return false;
    return true;
}

bool ProgramFileExists(const std::string& path)
{
    return IsRegularFile(path);
}

bool AcceptInstallPath(const std::string& path, void* owner)
{
    if (!ProgramFileExists(path)) {
        ShowMessage(kProgramNotFound, kProgramNotFoundCaption, MbIcon::Stop, MbButtons::Ok, owner);
        return false;
    }
    if (const char* refusal = ProgramPathRefusal(path)) {
        ShowMessage(refusal, kProgramPathRefusedCaption, MbIcon::Stop, MbButtons::Ok, owner);
        return false;
    }
    return true;
}

bool CreateProgramShortcuts(const std::string& programPath, IShortcuts& shortcuts, void* owner)
{
    // Both are tried; a failure is reported once, after both, naming each
    // shortcut not made.
    std::string notMade;
    const std::string desktop = shortcuts.DesktopShortcutPath();
    if (!shortcuts.CreateShortcut(programPath, desktop, kShortcutDescription))
        notMade.append("\n").append(kDesktopShortcutNotMade).append(desktop.empty() ? kNoDesktopFolder : desktop);
    const std::string menu = shortcuts.MenuShortcutPath();
    if (!shortcuts.CreateShortcut(programPath, menu, kShortcutDescription))
        notMade.append("\n").append(kMenuShortcutNotMade).append(menu);
    const bool ok = notMade.empty();
    ShowMessage(ok ? kInstallDone : kInstallFailed + notMade, ok ? kInstallDoneCaption : kInstallFailedCaption,
                MbIcon::Information, MbButtons::Ok, owner);
    return ok;
}
