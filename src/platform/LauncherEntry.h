#pragma once
#include <string>

// The program's launcher: the desktop entry that the package installs in
// share/applications and the copies the Installation Path step writes for
// the user. All carry one desktop file id, so the user's copy replaces the
// packaged one in the menu instead of showing the program twice, and all
// carry the same keys, so the copy loses neither the icon nor the file
// types the program opens.
inline constexpr char kLauncherDesktopId[] = "Tabulon.desktop";
// The icon's name in the icon theme (share/icons/hicolor/SIZE/apps/).
inline constexpr char kProgramIconName[] = "tabulon";
// What the packaged launcher says of the program.
inline constexpr char kLauncherComment[] = "Edit text and binary data files record by record";

// The launcher's text: `program` is the Exec line's first word, already
// quoted where it needs to be, and %f the file it is given.
std::string LauncherEntryText(const std::string& program, const std::string& comment);
