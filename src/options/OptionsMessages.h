#pragma once
// Messages, captions and texts of the Options sheet, the shortcut
// installation and the File Types dialog.
#include "platform/SystemNames.h"

// Field checks of the sheet's pages; %1 and %2 are the bounds.
inline constexpr char kEnterInteger[] = "Please enter an integer.";
inline constexpr char kEnterIntegerBetween[] = "Please enter an integer between %1 and %2.";
inline constexpr char kEnterNumber[] = "Please enter a number.";
inline constexpr char kEnterNumberBetween[] = "Please enter a number between %1 and %2.";

// The Setup page.
inline constexpr char kRemoveRegistrationQuestion[] = "Are you sure you want to remove Tabulon\nfrom the Registry?";
inline constexpr char kRemoveRegistrationCaption[] = "Hmmm...";
inline constexpr char kRemoveRegistrationFailed[] = "Could not remove Tabulon from the Registry?";
inline constexpr char kRemoveRegistrationFailedCaption[] = "Doh!!!";
inline constexpr char kInstallFirst[] = "You must install the shortcuts before setting up\nthe file associations.";
inline constexpr char kInstallFirstCaption[] = "Wait a second!";

// Installing the shortcuts.
inline constexpr char kInstallQuestion[] =
    "This procedure will create shortcuts onto your desktop and\nstart menu.  Before proceeding, make sure you "
    "moved this\nprogram to the desired folder location.";
inline constexpr char kInstallQuestionCaption[] = "Install Shortcuts";
inline constexpr char kInstallDone[] = "Installation completed successfully";
inline constexpr char kInstallDoneCaption[] = "Woohoo!";
inline constexpr char kInstallFailed[] = "Error occurred during installation";
inline constexpr char kInstallFailedCaption[] = "Doh!";
inline constexpr char kShortcutDescription[] = "Tabulon";
// After kInstallFailed, one line for each shortcut not made.
inline constexpr char kDesktopShortcutNotMade[] = "Desktop shortcut not made: ";
inline constexpr char kMenuShortcutNotMade[] = "Menu shortcut not made: ";
inline constexpr char kNoDesktopFolder[] = "there is no desktop folder";

// The Installation Path dialog; the program's file name and the message
// that names it come with the system (platform/SystemNames.h).
inline constexpr char kWrongProgramCaption[] = "Incorrect Program";
inline constexpr char kProgramNotFound[] = "Program not found.  Try Again.";
inline constexpr char kProgramNotFoundCaption[] = "Oops";
inline constexpr char kProgramPathRefusedCaption[] = "Oops";

// The File Types dialog.
inline constexpr char kCannotWriteVerb[] = "Cannot write to Registry!";
inline constexpr char kCannotWriteVerbCaption[] = "Huh?!";
