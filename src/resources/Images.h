#pragma once

// Pictures of resource 128 in XPM form: the toolbar buttons (16 by 15
// pixels) and the program icon (32 by 32).
inline constexpr int kToolbarImageWidth = 16;
inline constexpr int kToolbarImageHeight = 15;

// The button image of a toolbar command; null for other ids.
const char* const* ToolbarImage(int command);
const char* const* ProgramIcon();
