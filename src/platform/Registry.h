#pragma once
#include <cstdint>
#include <string>
#include <vector>

// A typed hierarchical key/value store with the semantics of the Windows
// registry calls the program uses. Keys are reached through handles; the
// three predefined roots have fixed handles.
using RegKey = std::intptr_t;

enum class RegRoot { ClassesRoot, CurrentUser, LocalMachine };

constexpr RegKey RegNoKey = 0;
constexpr RegKey RootKey(RegRoot root) { return static_cast<RegKey>(root) + 1; }

// A value's type, by the number the registry gives it. The system's
// <windows.h> names the same types as macros of the same numbers; where it
// came first, its names stand for these.
using RegType = std::uint32_t;
#ifndef REG_SZ
inline constexpr RegType REG_NONE = 0;
inline constexpr RegType REG_SZ = 1;
inline constexpr RegType REG_EXPAND_SZ = 2;
inline constexpr RegType REG_BINARY = 3;
inline constexpr RegType REG_DWORD = 4;
inline constexpr RegType REG_MULTI_SZ = 7;
#endif

class IRegistry {
public:
    virtual ~IRegistry() = default;

    // Opens subKey (a backslash-separated path, may be empty) below parent,
    // creating missing keys. Answers false when the store refuses writes.
    virtual bool CreateKey(RegKey parent, const std::string& subKey, RegKey* result) = 0;
    // Opens an existing key; answers false when it does not exist.
    virtual bool OpenKey(RegKey parent, const std::string& subKey, bool writable, RegKey* result) = 0;
    // Releases a handle; pending writes are committed to the backing store.
    virtual void CloseKey(RegKey key) = 0;

    // Reads a value with its exact type and bytes; false when it is missing.
    virtual bool QueryValue(RegKey key, const std::string& name, RegType* type,
                            std::vector<std::uint8_t>* data) = 0;
    // Writes a value (the key must be open for writing).
    virtual bool SetValue(RegKey key, const std::string& name, RegType type,
                          const std::uint8_t* data, std::size_t size) = 0;

    // Name of the index-th subkey; false past the last one.
    virtual bool EnumKey(RegKey key, std::uint32_t index, std::string* name) = 0;
    // Number of subkeys and the length of the longest subkey name.
    virtual bool QueryInfoKey(RegKey key, std::uint32_t* subKeys, std::uint32_t* maxSubKeyLen) = 0;
    // Deletes subKey below parent; it must exist and have no subkeys.
    virtual bool DeleteKey(RegKey parent, const std::string& subKey) = 0;

    // A store whose backing could not be read holds no key and refuses every
    // write, so that the damaged original is never replaced by accident.
    virtual bool IsUnreadable() const { return false; }
    // The user chose to use the registry anyway: start from an empty store
    // that may be written (the unreadable original is kept aside).
    virtual void DiscardUnreadable() {}
};
