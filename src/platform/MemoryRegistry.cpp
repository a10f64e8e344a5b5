#include "platform/MemoryRegistry.h"

bool CMemoryRegistry::Resolve(RegKey key, Handle* handle) const
{
    for (int i = 0; i < 3; ++i) {
        if (key == RootKey(static_cast<RegRoot>(i))) {
            *handle = Handle{static_cast<RegRoot>(i), {}, true};
            return true;
        }
    }
    auto it = handles_.find(key);
    if (it == handles_.end()) return false;
    *handle = it->second;
    return true;
}

RegNode* CMemoryRegistry::Find(const Handle& handle) const
{
    const RegNode* node = &tree_.Root(handle.root);
    for (const auto& part : handle.path) {
        node = node->FindSubKey(part);
        if (!node) return nullptr;
    }
    return const_cast<RegNode*>(node);
}

RegNode* CMemoryRegistry::Find(RegKey key) const
{
    Handle handle;
    return Resolve(key, &handle) ? Find(handle) : nullptr;
}

bool CMemoryRegistry::Join(RegKey parent, const std::string& subKey, Handle* handle) const
{
    std::vector<std::string> parts;
    if (!Resolve(parent, handle) || !SplitRegPath(subKey, &parts)) return false;
    handle->path.insert(handle->path.end(), parts.begin(), parts.end());
    // No key is made that the store could not read back.
    return RegKeyPathFits(handle->path);
}

RegKey CMemoryRegistry::NewHandle(Handle handle)
{
    RegKey key = nextHandle_++;
    handles_.emplace(key, std::move(handle));
    return key;
}

bool CMemoryRegistry::CreateKey(RegKey parent, const std::string& subKey, RegKey* result)
{
    Handle handle;
    if (!CanWrite() || !Join(parent, subKey, &handle) || !Find(parent)) return false;
    RegNode* node = &tree_.Root(handle.root);
    for (const auto& part : handle.path) {
        if (!node->FindSubKey(part)) dirty_ = true;
        node = node->AddSubKey(part);
    }
    handle.writable = true;
    *result = NewHandle(std::move(handle));
    return true;
}

bool CMemoryRegistry::OpenKey(RegKey parent, const std::string& subKey, bool writable, RegKey* result)
{
    Handle handle;
    if (!Join(parent, subKey, &handle) || !Find(handle)) return false;
    if (writable && !CanWrite()) return false;
    handle.writable = writable;
    *result = NewHandle(std::move(handle));
    return true;
}

void CMemoryRegistry::CloseKey(RegKey key)
{
    if (handles_.erase(key) && dirty_) Commit();
}

bool CMemoryRegistry::QueryValue(RegKey key, const std::string& name, RegType* type,
                                 std::vector<std::uint8_t>* data)
{
    RegNode* node = Find(key);
    RegValue* value = node ? node->FindValue(name) : nullptr;
    if (!value) return false;
    if (type) *type = value->type;
    if (data) *data = value->data;
    return true;
}

bool CMemoryRegistry::SetValue(RegKey key, const std::string& name, RegType type,
                               const std::uint8_t* data, std::size_t size)
{
    Handle handle;
    if (!CanWrite() || !Resolve(key, &handle) || !handle.writable) return false;
    for (char c : name)
        if (static_cast<unsigned char>(c) < 0x20) return false;
    RegNode* node = Find(handle);
    if (!node) return false;
    node->SetValue(name, type, std::vector<std::uint8_t>(data, data + size));
    dirty_ = true;
    return true;
}

bool CMemoryRegistry::EnumKey(RegKey key, std::uint32_t index, std::string* name)
{
    RegNode* node = Find(key);
    if (!node || index >= node->subKeys.size()) return false;
    *name = node->subKeys[index]->name;
    return true;
}

bool CMemoryRegistry::QueryInfoKey(RegKey key, std::uint32_t* subKeys, std::uint32_t* maxSubKeyLen)
{
    RegNode* node = Find(key);
    if (!node) return false;
    std::size_t longest = 0;
    for (const auto& child : node->subKeys) longest = std::max(longest, child->name.size());
    if (subKeys) *subKeys = static_cast<std::uint32_t>(node->subKeys.size());
    if (maxSubKeyLen) *maxSubKeyLen = static_cast<std::uint32_t>(longest);
    return true;
}

bool CMemoryRegistry::DeleteKey(RegKey parent, const std::string& subKey)
{
    Handle handle;
    if (!CanWrite() || subKey.empty() || !Join(parent, subKey, &handle)) return false;
    RegNode* node = Find(handle);
    if (!node || !node->subKeys.empty()) return false;
    std::string leaf = handle.path.back();
    handle.path.pop_back();
    if (!Find(handle)->RemoveSubKey(leaf)) return false;
    dirty_ = true;
    Commit();
    return true;
}
