#pragma once
#include <string>

class wxFileDialog;

// The file chosen in a file dialog that was closed with OK, as the system's
// bytes. The toolkit's own answer is empty for a name that is not valid
// UTF-8 (common on old data archives), so on GTK the chooser is asked.
std::string ChosenPath(const wxFileDialog& dialog);
