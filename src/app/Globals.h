#pragma once
#include "settings/Settings.h"

// The program-wide static objects, defined together in one place so that
// they are constructed in a known order and destroyed in the reverse one.
extern Settings theSettings;
