#pragma once
#include "platform/Shortcuts.h"

// Shortcuts as freedesktop desktop entries named Tabulon.desktop (the id of
// the packaged launcher, which they replace for the user): one in the
// user's desktop folder, one in $XDG_DATA_HOME/applications, where the menu
// of applications finds it. Missing folders are created.
class CFreedesktopShortcuts : public IShortcuts {
public:
    std::string DesktopShortcutPath() override;
    std::string MenuShortcutPath() override;
    bool CreateShortcut(const std::string& target, const std::string& shortcutFile,
                        const std::string& description) override;
    bool DeleteShortcut(const std::string& shortcutFile) override;
};
