#pragma once

class wxWindow;

// Installs the desktop and menu shortcuts: asks first, runs the
// Installation Path dialog, creates both shortcuts and reports the outcome.
// Cancel at either step ends it quietly. True when both were made.
bool RunInstallShortcuts(wxWindow* owner);
