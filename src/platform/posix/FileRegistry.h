#pragma once
#include <string>

#include "platform/MemoryRegistry.h"

// The registry kept in a text file in the .reg export format. Every commit
// writes a temporary file beside the store and renames it over the old one.
class CFileRegistry : public CMemoryRegistry {
public:
    explicit CFileRegistry(std::string path);
    ~CFileRegistry() override;

    const std::string& Path() const { return path_; }
    bool IsUnreadable() const override { return unreadable_; }
    void DiscardUnreadable() override;

protected:
    bool CanWrite() const override { return !unreadable_; }
    void Commit() override;

private:
    std::string path_;
    bool unreadable_ = false;
    bool keepAside_ = false;  // the unreadable original still lies at path_
};

// $TABULON_REGISTRY, else $XDG_CONFIG_HOME/tabulon/registry.reg, else
// ~/.config/tabulon/registry.reg.
std::string DefaultRegistryPath();
