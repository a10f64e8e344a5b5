#include "platform/RegistryFileTypes.h"

#include <algorithm>

namespace {

const char kShellKey[] = "\\shell";
const char kVerbKey[] = "\\shell\\Tabulon";
const char kVerbCommandKey[] = "\\shell\\Tabulon\\command";

// Longest type name and command line read, and longest description.
constexpr std::size_t kMaxTypeNameBytes = 1024;
constexpr std::size_t kMaxDescriptionBytes = 256;

RegKey ClassesRoot() { return RootKey(RegRoot::ClassesRoot); }

// The default value of a key as text: up to its first NUL and at most
// `limit` bytes. False when the key or the value is missing.
bool ReadDefault(IRegistry& registry, const std::string& key, std::size_t limit, std::string* text)
{
    RegKey handle;
    if (!registry.OpenKey(ClassesRoot(), key, false, &handle)) return false;
    RegType type = REG_NONE;
    std::vector<std::uint8_t> data;
    const bool found = registry.QueryValue(handle, "", &type, &data);
    registry.CloseKey(handle);
    if (!found || (type != REG_SZ && type != REG_EXPAND_SZ)) return false;
    if (data.size() > limit) data.resize(limit);
    const auto end = std::find(data.begin(), data.end(), std::uint8_t{0});
    text->assign(data.begin(), end);
    return true;
}

bool KeyExists(IRegistry& registry, const std::string& key)
{
    RegKey handle;
    if (!registry.OpenKey(ClassesRoot(), key, false, &handle)) return false;
    registry.CloseKey(handle);
    return true;
}

// A type name must name one key directly below the class root.
bool IsTypeName(const std::string& typeName)
{
    return !typeName.empty() && typeName.find('\\') == std::string::npos;
}

}  // namespace

std::vector<SystemFileType> CRegistryFileTypes::ListFileTypes()
{
    std::vector<SystemFileType> list;
    std::string name;
    for (std::uint32_t i = 0; registry_.EnumKey(ClassesRoot(), i, &name); ++i) {
        if (name.empty() || name[0] != '.') continue;
        SystemFileType type;
        type.extension = name;
        if (!ReadDefault(registry_, name, kMaxTypeNameBytes, &type.typeName) || !IsTypeName(type.typeName))
            continue;
        if (!KeyExists(registry_, type.typeName)) continue;
        ReadDefault(registry_, type.typeName, kMaxDescriptionBytes, &type.description);
        if (!KeyExists(registry_, type.typeName + kShellKey)) continue;
        type.hasVerb = ReadDefault(registry_, type.typeName + kVerbCommandKey, kMaxTypeNameBytes, &type.verbCommand) ||
                       KeyExists(registry_, type.typeName + kVerbCommandKey);
        list.push_back(std::move(type));
    }
    return list;
}

bool CRegistryFileTypes::WriteVerb(const std::string& typeName, const std::string& commandLine)
{
    if (!IsTypeName(typeName)) return false;
    RegKey key;
    if (!registry_.CreateKey(ClassesRoot(), typeName + kVerbCommandKey, &key)) return false;
    // A string value with its terminating NUL, as the shell reads it.
    std::vector<std::uint8_t> data(commandLine.begin(), commandLine.end());
    data.push_back(0);
    const bool written = registry_.SetValue(key, "", REG_SZ, data.data(), data.size());
    registry_.CloseKey(key);
    return written;
}

bool CRegistryFileTypes::RemoveVerb(const std::string& typeName)
{
    if (!IsTypeName(typeName)) return false;
    if (KeyExists(registry_, typeName + kVerbCommandKey) &&
        !registry_.DeleteKey(ClassesRoot(), typeName + kVerbCommandKey))
        return false;
    return !KeyExists(registry_, typeName + kVerbKey) || registry_.DeleteKey(ClassesRoot(), typeName + kVerbKey);
}

bool CRegistryFileTypes::RemoveAllVerbs()
{
    std::uint32_t count = 0;
    if (!registry_.QueryInfoKey(ClassesRoot(), &count, nullptr)) return false;
    // The names first: deleting while enumerating would shift the indexes.
    std::vector<std::string> types;
    std::string name;
    for (std::uint32_t i = 0; registry_.EnumKey(ClassesRoot(), i, &name); ++i) types.push_back(name);
    bool ok = true;
    for (const auto& type : types)
        if (KeyExists(registry_, type + kVerbCommandKey) && !RemoveVerb(type)) ok = false;
    return ok;
}
