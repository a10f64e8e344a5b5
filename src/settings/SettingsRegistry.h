#pragma once
#include "platform/FileTypes.h"
#include "platform/Registry.h"
#include "settings/Settings.h"

// Where the settings live in the registry.
extern const char kSettingsKey[];  // below HKEY_LOCAL_MACHINE
extern const char kMakerKey[];
// Largest number of bytes read back for a string or history value.
constexpr std::size_t kMaxSettingsStringBytes = 1024;

// Reads the settings key. A missing key keeps every default and leaves
// registry access off; a missing value keeps its default.
void LoadSettings(Settings& settings, IRegistry& registry);
// Writes every value; silently does nothing when the key cannot be created.
void SaveSettings(const Settings& settings, IRegistry& registry);
// Deletes the program's key, the maker's key when it is left empty, and the
// program's shell verbs under HKEY_CLASSES_ROOT. True on full success.
bool RemoveRegistration(IRegistry& registry);
// The same, and every verb of the program on the system's file types. The
// verbs are removed even when the keys could not all be.
bool RemoveRegistration(IRegistry& registry, IFileTypes& fileTypes);
