#pragma once
#include <wx/string.h>

// A label for a control added to the system's file dialog. Windows' dialog
// takes "&" as the mnemonic marker; the GTK file chooser shows it literally,
// so there the marker is removed.
wxString FileDialogLabel(const char* label);
