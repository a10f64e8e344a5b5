#pragma once
#include <memory>
#include <string>
#include <vector>

#include "platform/FileTypes.h"
#include "platform/Registry.h"
#include "platform/Shortcuts.h"

// The system's own registry, file types and shortcuts, which the program
// installs at start-up (tests install doubles instead). The file types and
// shortcuts may use the registry, which is declared first so that it
// outlives them.
struct SystemServices {
    std::unique_ptr<IRegistry> registry;
    std::unique_ptr<IFileTypes> fileTypes;
    std::unique_ptr<IShortcuts> shortcuts;
};

SystemServices MakeSystemServices();

// The program's arguments, its own name first, as the system's bytes (on
// Windows the command line's UTF-16 as WTF-8, so every file name survives).
std::vector<std::string> ProgramArguments(int argc, char** argv);
