#pragma once
#include <wx/accel.h>

class wxMenuBar;
class wxToolBar;

// The toolkit's objects for the main frame's resources: the menu bar, the
// accelerator keys that no menu item names, and the toolbar's buttons.
wxMenuBar* BuildMainMenuBar();
wxAcceleratorTable BuildExtraAccelerators();
// Adds the buttons with their pictures, tooltips and prompts.
void AddMainToolbarButtons(wxToolBar* toolBar);
