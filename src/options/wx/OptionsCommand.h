#pragma once

class wxWindow;

// Tools > Options: runs the sheet and, when it closes with either button
// and registry access is on, saves the settings.
void RunOptionsCommand(wxWindow* parent);
