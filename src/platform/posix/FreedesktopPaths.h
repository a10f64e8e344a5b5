#pragma once
#include <string>
#include <vector>

// The folders of the freedesktop base-directory and user-directory rules,
// read from the environment each time (so that a changed $HOME or $XDG_*
// takes effect at once).

// $HOME, else the home folder of the user's account.
std::string HomeFolder();
// $XDG_DATA_HOME, else ~/.local/share.
std::string DataHome();
// $XDG_CONFIG_HOME, else ~/.config.
std::string ConfigHome();
// The data home followed by $XDG_DATA_DIRS (else /usr/local/share and
// /usr/share): the order in which data files take precedence.
std::vector<std::string> DataFolders();
// The user's desktop folder as `xdg-user-dir DESKTOP` answers it:
// XDG_DESKTOP_DIR from $XDG_CONFIG_HOME/user-dirs.dirs, else from the
// environment, else ~/Desktop.
std::string DesktopFolder();

// The desktop folder a user-dirs.dirs text names ($HOME expanded); false
// when it names none.
bool DesktopFolderFromUserDirs(const std::string& text, const std::string& home, std::string* folder);
