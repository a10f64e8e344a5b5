#pragma once
#include "platform/Shortcuts.h"

// Shortcuts as shell links (.lnk files) written through the shell's link
// object: "Tabulon.lnk" in the user's desktop folder and in the Programs
// folder of the user's Start menu. A missing Programs folder is created.
// Links carry no mark of the program, so any link of that name is
// replaced or deleted.
class CWinShortcuts : public IShortcuts {
public:
    std::string DesktopShortcutPath() override;
    std::string MenuShortcutPath() override;
    bool CreateShortcut(const std::string& target, const std::string& shortcutFile,
                        const std::string& description) override;
    bool DeleteShortcut(const std::string& target, const std::string& shortcutFile,
                        const std::string& description) override;
};
