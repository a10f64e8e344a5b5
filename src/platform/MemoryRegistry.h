#pragma once
#include <map>

#include "platform/RegistryTree.h"

// A registry held in memory. Subclasses give it a backing store through
// CanWrite and Commit.
class CMemoryRegistry : public IRegistry {
public:
    CMemoryRegistry() = default;
    ~CMemoryRegistry() override = default;

    bool CreateKey(RegKey parent, const std::string& subKey, RegKey* result) override;
    bool OpenKey(RegKey parent, const std::string& subKey, bool writable, RegKey* result) override;
    void CloseKey(RegKey key) override;
    bool QueryValue(RegKey key, const std::string& name, RegType* type,
                    std::vector<std::uint8_t>* data) override;
    bool SetValue(RegKey key, const std::string& name, RegType type,
                  const std::uint8_t* data, std::size_t size) override;
    bool EnumKey(RegKey key, std::uint32_t index, std::string* name) override;
    bool QueryInfoKey(RegKey key, std::uint32_t* subKeys, std::uint32_t* maxSubKeyLen) override;
    bool DeleteKey(RegKey parent, const std::string& subKey) override;

    RegistryTree& Tree() { return tree_; }
    std::size_t OpenHandleCount() const { return handles_.size(); }

protected:
    virtual bool CanWrite() const { return true; }
    // Called after changes, when a written key is closed or a key deleted.
    virtual void Commit() {}
    bool Dirty() const { return dirty_; }
    void SetDirty(bool dirty) { dirty_ = dirty; }

private:
    struct Handle {
        RegRoot root;
        std::vector<std::string> path;
        bool writable;
    };
    bool Resolve(RegKey key, Handle* handle) const;
    RegNode* Find(const Handle& handle) const;
    RegNode* Find(RegKey key) const;
    bool Join(RegKey parent, const std::string& subKey, Handle* handle) const;
    RegKey NewHandle(Handle handle);

    RegistryTree tree_;
    std::map<RegKey, Handle> handles_;
    RegKey nextHandle_ = 16;
    bool dirty_ = false;
};
