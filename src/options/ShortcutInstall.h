#pragma once
#include <string>

class IShortcuts;

// The pieces of the shortcut installation that need no window.

// The path the Installation Path dialog proposes: the stored program path,
// else the current folder followed by the program's file name.
std::string InitialInstallPath(const std::string& exePath, const std::string& currentFolder);
// Whether a chosen file is the program: its name, without the folder, is
// the program's file name in any letter case.
bool IsProgramFile(const std::string& path);
// Whether a regular file exists at the path.
bool ProgramFileExists(const std::string& path);
// The Installation Path dialog's OK: false, with "Program not found.  Try
// Again." or the system's refusal of the path (ProgramPathRefusal), when the
// program cannot be installed from there.
bool AcceptInstallPath(const std::string& path, void* owner = nullptr);

// Creates the desktop shortcut and the menu shortcut to `programPath` and
// reports the outcome once ("Installation completed successfully", or
// "Error occurred during installation" and a line naming each shortcut not
// made). True when both were made.
bool CreateProgramShortcuts(const std::string& programPath, IShortcuts& shortcuts, void* owner = nullptr);
