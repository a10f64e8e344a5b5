#pragma once
#include <string>

// Shortcuts to the program: one on the user's desktop, one in the menu of
// applications.
class IShortcuts {
public:
    virtual ~IShortcuts() = default;
    // Full paths of the two shortcut files; empty when the system has no
    // folder for one (a folder is asked for, never created, here).
    virtual std::string DesktopShortcutPath() = 0;
    virtual std::string MenuShortcutPath() = 0;
    // Writes a shortcut file that starts `target`, described by
    // `description`; false when it cannot be written, or when the file
    // there is not one the program wrote (that file stays).
    virtual bool CreateShortcut(const std::string& target, const std::string& shortcutFile,
                                const std::string& description) = 0;
    // Deletes a shortcut file that the program wrote, `target` and
    // `description` being what CreateShortcut was given; a missing file, or
    // one the program did not write, stays and is no error.
    virtual bool DeleteShortcut(const std::string& target, const std::string& shortcutFile,
                                const std::string& description) = 0;
};
