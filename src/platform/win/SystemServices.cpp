#include "platform/SystemServices.h"

#include <windows.h>
#include <shellapi.h>

#include "platform/RegistryFileTypes.h"
#include "platform/win/WideText.h"
#include "platform/win/WinRegistry.h"
#include "platform/win/WinShortcuts.h"

SystemServices MakeSystemServices()
{
    SystemServices services;
    services.registry = std::make_unique<CWinRegistry>();
    services.fileTypes = std::make_unique<CRegistryFileTypes>(*services.registry);
    services.shortcuts = std::make_unique<CWinShortcuts>();
    return services;
}

std::vector<std::string> ProgramArguments(int argc, char** argv)
{
    // The narrow arguments went through the ANSI code page, which cannot
    // name every file: the wide command line is split instead.
    int count = 0;
    wchar_t** wide = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    if (!wide) return {argv, argv + argc};
    std::vector<std::string> arguments;
    for (int i = 0; i < count; ++i) arguments.push_back(TextFromWide(wide[i], ::wcslen(wide[i])));
    ::LocalFree(wide);
    return arguments;
}
