#include "platform/SystemServices.h"

#include "platform/posix/FileRegistry.h"
#include "platform/posix/FreedesktopFileTypes.h"
#include "platform/posix/FreedesktopShortcuts.h"

SystemServices MakeSystemServices()
{
    SystemServices services;
    services.registry = std::make_unique<CFileRegistry>(DefaultRegistryPath());
    services.fileTypes = std::make_unique<CFreedesktopFileTypes>();
    services.shortcuts = std::make_unique<CFreedesktopShortcuts>();
    return services;
}

std::vector<std::string> ProgramArguments(int argc, char** argv) { return {argv, argv + argc}; }
