#pragma once
#include "platform/MessageBox.h"
#include "platform/ProcessControl.h"
#include "platform/Registry.h"
#include "platform/WaitCursor.h"

// The platform services in use. The program installs its real
// implementations at start-up; tests install doubles. Until then each
// service is a silent stand-in that never blocks.
struct PlatformServices {
    IMessageBox* messageBox;
    IWaitCursor* waitCursor;
    IProcessControl* process;
    IRegistry* registry;
};

PlatformServices& Platform();
// Puts the stand-ins back, for when the installed services go away.
void ResetPlatformServices();

// Shorthand for the common case of a box with one text and caption.
MbResult ShowMessage(const std::string& text, const std::string& caption,
                     MbIcon icon, MbButtons buttons = MbButtons::Ok,
                     WindowHandle owner = nullptr);
