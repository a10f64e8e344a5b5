#pragma once
#include "platform/Registry.h"

struct HKEY__;  // the system's HKEY is a pointer to it

// The Windows registry itself, through the wide registry calls. Key and
// value names and string values are the program's WTF-8 text, stored as
// the UTF-16 the system keeps; every other type keeps its bytes. Key paths
// follow the same rules as every store of the program (no empty parts, no
// control characters), checked before the system is asked.
class CWinRegistry : public IRegistry {
public:
    // The registry of the system, its three roots as they are.
    CWinRegistry() = default;
    // A registry kept apart, for tests: the three roots are the keys
    // "HKEY_CLASSES_ROOT", "HKEY_CURRENT_USER" and "HKEY_LOCAL_MACHINE" below
    // HKEY_CURRENT_USER\`sandbox`, created as needed. The sandbox is deleted
    // with everything in it when the object goes.
    explicit CWinRegistry(const std::string& sandbox);
    ~CWinRegistry() override;
    CWinRegistry(const CWinRegistry&) = delete;
    CWinRegistry& operator=(const CWinRegistry&) = delete;

    bool CreateKey(RegKey parent, const std::string& subKey, RegKey* result) override;
    bool OpenKey(RegKey parent, const std::string& subKey, bool writable, RegKey* result) override;
    void CloseKey(RegKey key) override;
    bool QueryValue(RegKey key, const std::string& name, RegType* type, std::vector<std::uint8_t>* data) override;
    bool SetValue(RegKey key, const std::string& name, RegType type, const std::uint8_t* data,
                  std::size_t size) override;
    bool EnumKey(RegKey key, std::uint32_t index, std::string* name) override;
    bool QueryInfoKey(RegKey key, std::uint32_t* subKeys, std::uint32_t* maxSubKeyLen) override;
    bool DeleteKey(RegKey parent, const std::string& subKey) override;

private:
    HKEY__* Handle(RegKey key) const;

    std::string sandbox_;
    HKEY__* roots_[3] = {};  // the sandbox's roots, when there is one
};
