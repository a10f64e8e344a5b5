#pragma once
#include "platform/FileTypes.h"
#include "platform/MessageBox.h"
#include "platform/ProcessControl.h"
#include "platform/Registry.h"
#include "platform/Shortcuts.h"
#include "platform/WaitCursor.h"

// Stand-ins for the file-type and shortcut services: they list nothing and
// refuse every write, so that nothing reaches the user's files by accident.
IFileTypes* NoFileTypes();
IShortcuts* NoShortcuts();

// The platform services in use. The program installs its real
// implementations at start-up; tests install doubles. Until then each
// service is a silent stand-in that never blocks.
struct PlatformServices {
    IMessageBox* messageBox;
    IWaitCursor* waitCursor;
    IProcessControl* process;
    IRegistry* registry;
    IFileTypes* fileTypes = NoFileTypes();
    IShortcuts* shortcuts = NoShortcuts();
};

PlatformServices& Platform();
// Puts the stand-ins back, for when the installed services go away.
void ResetPlatformServices();

// Shorthand for the common case of a box with one text and caption.
MbResult ShowMessage(const std::string& text, const std::string& caption,
                     MbIcon icon, MbButtons buttons = MbButtons::Ok,
                     WindowHandle owner = nullptr);
