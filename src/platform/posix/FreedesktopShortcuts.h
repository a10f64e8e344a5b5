#pragma once
#include "platform/Shortcuts.h"

// Shortcuts as freedesktop desktop entries named Tabulon.desktop (the id of
// the packaged launcher, which they replace for the user): one in the
// user's desktop folder, when there is one, and one in
// $XDG_DATA_HOME/applications, where the menu of applications finds it
// (that folder is made when missing). The entries written are marked as the
// program's; an entry of another's under the same name is never replaced or
// deleted.
class CFreedesktopShortcuts : public IShortcuts {
public:
    std::string DesktopShortcutPath() override;
    std::string MenuShortcutPath() override;
    bool CreateShortcut(const std::string& target, const std::string& shortcutFile,
                        const std::string& description) override;
    bool DeleteShortcut(const std::string& target, const std::string& shortcutFile,
                        const std::string& description) override;
};
