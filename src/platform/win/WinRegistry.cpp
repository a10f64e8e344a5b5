#include "platform/win/WinRegistry.h"

#include <cstring>
#include <windows.h>

#include "platform/RegistryTree.h"
#include "platform/win/WideText.h"

namespace {

constexpr RegRoot kRoots[] = {RegRoot::ClassesRoot, RegRoot::CurrentUser, RegRoot::LocalMachine};

bool IsRoot(RegKey key)
{
    return key == RootKey(RegRoot::ClassesRoot) || key == RootKey(RegRoot::CurrentUser) ||
           key == RootKey(RegRoot::LocalMachine);
}

// An empty path names the key itself; any other must split into parts.
bool ValidPath(const std::string& subKey)
{
    std::vector<std::string> parts;
    return subKey.empty() || SplitRegPath(subKey, &parts);
}

bool IsText(DWORD type) { return type == REG_SZ || type == REG_EXPAND_SZ || type == REG_MULTI_SZ; }

// The default value has no name; the calls take a null pointer for it.
const wchar_t* ValueName(const std::wstring& name) { return name.empty() ? nullptr : name.c_str(); }

}  // namespace

CWinRegistry::CWinRegistry(const std::string& sandbox) : sandbox_(sandbox)
{
    for (const RegRoot root : kRoots) {
        HKEY key = nullptr;
        const std::wstring path = WideText(sandbox + "\\" + RegRootName(root));
        if (::RegCreateKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                              KEY_READ | KEY_WRITE, nullptr, &key, nullptr) == ERROR_SUCCESS)
            roots_[static_cast<int>(root)] = key;
    }
}

CWinRegistry::~CWinRegistry()
{
    if (sandbox_.empty()) return;
    for (HKEY root : roots_)
        if (root) ::RegCloseKey(root);
    ::RegDeleteTreeW(HKEY_CURRENT_USER, WideText(sandbox_).c_str());
    ::RegDeleteKeyW(HKEY_CURRENT_USER, WideText(sandbox_).c_str());
}

HKEY CWinRegistry::Handle(RegKey key) const
{
    if (!IsRoot(key)) return reinterpret_cast<HKEY>(key);
    const auto root = static_cast<RegRoot>(key - 1);
    if (!sandbox_.empty()) return roots_[static_cast<int>(root)];
    switch (root) {
    case RegRoot::ClassesRoot: return HKEY_CLASSES_ROOT;
    case RegRoot::CurrentUser: return HKEY_CURRENT_USER;
    case RegRoot::LocalMachine: return HKEY_LOCAL_MACHINE;
    }
    return nullptr;
}

bool CWinRegistry::CreateKey(RegKey parent, const std::string& subKey, RegKey* result)
{
    if (!ValidPath(subKey)) return false;
    HKEY key = nullptr;
    const LSTATUS status = ::RegCreateKeyExW(Handle(parent), WideText(subKey).c_str(), 0, nullptr,
                                             REG_OPTION_NON_VOLATILE, KEY_READ | KEY_WRITE, nullptr, &key, nullptr);
    if (status != ERROR_SUCCESS) return false;
    *result = reinterpret_cast<RegKey>(key);
    return true;
}

bool CWinRegistry::OpenKey(RegKey parent, const std::string& subKey, bool writable, RegKey* result)
{
    if (!ValidPath(subKey)) return false;
    HKEY key = nullptr;
    const REGSAM access = writable ? KEY_READ | KEY_WRITE : KEY_READ;
    if (::RegOpenKeyExW(Handle(parent), WideText(subKey).c_str(), 0, access, &key) != ERROR_SUCCESS) return false;
    *result = reinterpret_cast<RegKey>(key);
    return true;
}

void CWinRegistry::CloseKey(RegKey key)
{
    if (key != RegNoKey && !IsRoot(key)) ::RegCloseKey(reinterpret_cast<HKEY>(key));
}

bool CWinRegistry::QueryValue(RegKey key, const std::string& name, RegType* type, std::vector<std::uint8_t>* data)
{
    const std::wstring wideName = WideText(name);
    DWORD valueType = REG_NONE;
    DWORD size = 0;
    std::vector<std::uint8_t> bytes;
    LSTATUS status;
    // The value may grow between asking its size and reading it.
    do {
        status = ::RegQueryValueExW(Handle(key), ValueName(wideName), nullptr, &valueType, nullptr, &size);
        if (status != ERROR_SUCCESS) return false;
        bytes.resize(size);
        status = ::RegQueryValueExW(Handle(key), ValueName(wideName), nullptr, &valueType,
                                    bytes.empty() ? nullptr : bytes.data(), &size);
    } while (status == ERROR_MORE_DATA);
    if (status != ERROR_SUCCESS) return false;
    bytes.resize(size);
    if (type) *type = static_cast<RegType>(valueType);
    if (IsText(valueType)) {
        // A stray odd byte is no whole UTF-16 unit and is left out.
        std::wstring units(bytes.size() / 2, L'\0');
        if (!units.empty()) std::memcpy(units.data(), bytes.data(), units.size() * 2);
        const std::string text = TextFromWide(units);
        data->assign(text.begin(), text.end());
    } else {
        *data = std::move(bytes);
    }
    return true;
}

bool CWinRegistry::SetValue(RegKey key, const std::string& name, RegType type, const std::uint8_t* data,
                            std::size_t size)
{
    const std::wstring wideName = WideText(name);
    if (IsText(type)) {
        std::wstring units = WideText(std::string(reinterpret_cast<const char*>(data), size));
        const auto bytes = static_cast<DWORD>(units.size() * sizeof(wchar_t));
        // The system adds a terminating NUL the caller left out when one
        // lies right after the data; a unit that is not one keeps the value
        // as it was given (a path stored without its NUL stays so).
        units.push_back(L'\x1');
        return ::RegSetValueExW(Handle(key), ValueName(wideName), 0, type, reinterpret_cast<const BYTE*>(units.data()),
                                bytes) == ERROR_SUCCESS;
    }
    return ::RegSetValueExW(Handle(key), ValueName(wideName), 0, type, data, static_cast<DWORD>(size)) ==
           ERROR_SUCCESS;
}

bool CWinRegistry::EnumKey(RegKey key, std::uint32_t index, std::string* name)
{
    // Key names are at most 255 characters long.
    wchar_t buffer[256];
    DWORD length = 256;
    if (::RegEnumKeyExW(Handle(key), index, buffer, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
        return false;
    *name = TextFromWide(buffer, length);
    return true;
}

bool CWinRegistry::QueryInfoKey(RegKey key, std::uint32_t* subKeys, std::uint32_t* maxSubKeyLen)
{
    DWORD count = 0;
    DWORD longest = 0;
    if (::RegQueryInfoKeyW(Handle(key), nullptr, nullptr, nullptr, &count, &longest, nullptr, nullptr, nullptr,
                           nullptr, nullptr, nullptr) != ERROR_SUCCESS)
        return false;
    if (subKeys) *subKeys = count;
    if (maxSubKeyLen) *maxSubKeyLen = longest;
    return true;
}

bool CWinRegistry::DeleteKey(RegKey parent, const std::string& subKey)
{
    if (subKey.empty() || !ValidPath(subKey)) return false;
    return ::RegDeleteKeyW(Handle(parent), WideText(subKey).c_str()) == ERROR_SUCCESS;
}
