#pragma once
#include <string>

// Shortcuts to the program: one on the user's desktop, one in the menu of
// applications.
class IShortcuts {
public:
    virtual ~IShortcuts() = default;
    // Full paths of the two shortcut files.
    virtual std::string DesktopShortcutPath() = 0;
    virtual std::string MenuShortcutPath() = 0;
    // Writes a shortcut file that starts `target`, described by
    // `description`; false when it cannot be written.
    virtual bool CreateShortcut(const std::string& target, const std::string& shortcutFile,
                                const std::string& description) = 0;
    // Deletes a shortcut file; a missing one is no error.
    virtual bool DeleteShortcut(const std::string& shortcutFile) = 0;
};
