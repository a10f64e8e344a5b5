#include "platform/ExitSignals.h"

#include <cstdlib>

// Windows ends a session through window messages, which the toolkit hands
// on as events; it has no such signals to catch.
int CatchExitSignals() { return -1; }

int TakeExitSignal(int) { return 0; }

void EndAsSignalled(int signal) { std::_Exit(signal > 0 ? 128 + signal : 0); }
