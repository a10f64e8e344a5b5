#pragma once
#include <string>
#include <vector>

class CAppApp;
class wxFrame;

// The program, started once inside the GUI test process, with its settings
// store in a temporary file.
namespace GuiApp {

CAppApp& App();
wxFrame* MainFrame();
// Runs pending events until `done` answers true or the time runs out.
bool RunUntil(bool (*done)(), int timeoutMs = 5000);
void ProcessEvents(int forMs = 50);
const std::string& RegistryPath();

}  // namespace GuiApp
