#include "settings/SettingsRegistry.h"

#include <cstring>

const char kSettingsKey[] = "Software\\Halvern's Workshop\\Tabulon";
const char kMakerKey[] = "Software\\Halvern's Workshop";

namespace {

using Bytes = std::vector<std::uint8_t>;

const char kVerbKey[] = "\\shell\\Tabulon";
const char kVerbCommandKey[] = "\\shell\\Tabulon\\command";

// A value is taken only when it has the size the program writes; anything
// else keeps the default.
void ReadFlag(IRegistry& reg, RegKey key, const char* name, bool* out)
{
    Bytes data;
    if (reg.QueryValue(key, name, nullptr, &data) && data.size() == 1) *out = data[0] != 0;
}

void ReadDword(IRegistry& reg, RegKey key, const char* name, std::uint32_t* out)
{
    Bytes data;
    if (reg.QueryValue(key, name, nullptr, &data) && data.size() == 4)
        *out = data[0] | (data[1] << 8) | (data[2] << 16) | (static_cast<std::uint32_t>(data[3]) << 24);
}

// A value outside the range the Options sheet allows keeps the default: a
// store edited by hand must not give the view a tab width its column
// arithmetic overflows on.
void ReadInt(IRegistry& reg, RegKey key, const char* name, std::int32_t* out, std::int32_t low, std::int32_t high)
{
    std::uint32_t v = static_cast<std::uint32_t>(*out);
    ReadDword(reg, key, name, &v);
    const auto value = static_cast<std::int32_t>(v);
    if (value >= low && value <= high) *out = value;
}

void ReadFloat(IRegistry& reg, RegKey key, const char* name, float* out)
{
    std::uint32_t bits;
    std::memcpy(&bits, out, 4);
    ReadDword(reg, key, name, &bits);
    std::memcpy(out, &bits, 4);
}

// Strings and histories are read up to their first 1024 bytes.
bool ReadBytes(IRegistry& reg, RegKey key, const char* name, Bytes* data)
{
    if (!reg.QueryValue(key, name, nullptr, data)) return false;
    if (data->size() > kMaxSettingsStringBytes) data->resize(kMaxSettingsStringBytes);
    return true;
}

void ReadString(IRegistry& reg, RegKey key, const char* name, std::string* out)
{
    Bytes data;
    if (!ReadBytes(reg, key, name, &data)) return;
    std::size_t len = 0;
    while (len < data.size() && data[len] != 0) ++len;
    out->assign(data.begin(), data.begin() + static_cast<std::ptrdiff_t>(len));
}

void ReadHistory(IRegistry& reg, RegKey key, const char* name, Settings::History* out)
{
    Bytes data;
    if (!ReadBytes(reg, key, name, &data)) return;
    std::size_t pos = 0;
    for (auto& item : *out) {
        item.clear();
        while (pos < data.size() && data[pos] != 0) item += static_cast<char>(data[pos++]);
        ++pos;  // the NUL
    }
}

void WriteFlag(IRegistry& reg, RegKey key, const char* name, bool v)
{
    std::uint8_t b = v ? 1 : 0;
    reg.SetValue(key, name, REG_BINARY, &b, 1);
}

void WriteDword(IRegistry& reg, RegKey key, const char* name, std::uint32_t v)
{
    std::uint8_t b[4] = {static_cast<std::uint8_t>(v), static_cast<std::uint8_t>(v >> 8),
                         static_cast<std::uint8_t>(v >> 16), static_cast<std::uint8_t>(v >> 24)};
    reg.SetValue(key, name, REG_DWORD, b, 4);
}

void WriteFloat(IRegistry& reg, RegKey key, const char* name, float v)
{
    std::uint32_t bits;
    std::memcpy(&bits, &v, 4);
    WriteDword(reg, key, name, bits);
}

// Ten strings, each ending in NUL, then one more NUL. Only the first 1024
// bytes are read back, so an item that would reach past them is written
// empty, with every item after it: what is read back is what was written.
void WriteHistory(IRegistry& reg, RegKey key, const char* name, const Settings::History& items)
{
    Bytes data;
    bool full = false;
    for (std::size_t i = 0; i < items.size(); ++i) {
        // Room for this item, the NULs of the items after it and the last NUL.
        const std::size_t after = items.size() - i;
        full = full || data.size() + items[i].size() + 1 + after > kMaxSettingsStringBytes;
        if (!full) data.insert(data.end(), items[i].begin(), items[i].end());
        data.push_back(0);
    }
    data.push_back(0);
    reg.SetValue(key, name, REG_MULTI_SZ, data.data(), data.size());
}

}  // namespace

void LoadSettings(Settings& s, IRegistry& reg)
{
    RegKey key;
    if (!reg.OpenKey(RootKey(RegRoot::LocalMachine), kSettingsKey, false, &key)) return;
    s.registryAccess = true;
    ReadFlag(reg, key, "autoHex", &s.autoHex);
    ReadFlag(reg, key, "autoSave", &s.autoSave);
    ReadFlag(reg, key, "autoSource", &s.autoSource);
    ReadInt(reg, key, "srcMark", &s.srcMark, kMinTabWidth, kMaxTabWidth);
    ReadFlag(reg, key, "srcSmart", &s.srcSmart);
    ReadFlag(reg, key, "srcType", &s.srcType);
    ReadFlag(reg, key, "srcSave", &s.srcSave);
    ReadFlag(reg, key, "printFile", &s.printFile);
    ReadFlag(reg, key, "printPage", &s.printPage);
    ReadFlag(reg, key, "printLine", &s.printLine);
    ReadFlag(reg, key, "printRuler", &s.printRuler);
    ReadInt(reg, key, "printFont", &s.printFont, kMinPrintFont, kMaxPrintFont);
    ReadFloat(reg, key, "printLeft", &s.printLeft);
    ReadFloat(reg, key, "printRight", &s.printRight);
    ReadFloat(reg, key, "printTop", &s.printTop);
    ReadFloat(reg, key, "printBottom", &s.printBottom);
    ReadString(reg, key, "exePath", &s.exePath);
    ReadHistory(reg, key, "findItems", &s.findItems);
    ReadHistory(reg, key, "replItems", &s.replItems);
    reg.CloseKey(key);
}

void SaveSettings(const Settings& s, IRegistry& reg)
{
    RegKey key;
    if (!reg.CreateKey(RootKey(RegRoot::LocalMachine), kSettingsKey, &key)) return;
    WriteFlag(reg, key, "autoHex", s.autoHex);
    WriteFlag(reg, key, "autoSave", s.autoSave);
    WriteFlag(reg, key, "autoSource", s.autoSource);
    WriteDword(reg, key, "srcMark", static_cast<std::uint32_t>(s.srcMark));
    WriteFlag(reg, key, "srcSmart", s.srcSmart);
    WriteFlag(reg, key, "srcType", s.srcType);
    WriteFlag(reg, key, "srcSave", s.srcSave);
    WriteFlag(reg, key, "printFile", s.printFile);
    WriteFlag(reg, key, "printPage", s.printPage);
    WriteFlag(reg, key, "printLine", s.printLine);
    WriteFlag(reg, key, "printRuler", s.printRuler);
    WriteDword(reg, key, "printFont", static_cast<std::uint32_t>(s.printFont));
    WriteFloat(reg, key, "printLeft", s.printLeft);
    WriteFloat(reg, key, "printRight", s.printRight);
    WriteFloat(reg, key, "printTop", s.printTop);
    WriteFloat(reg, key, "printBottom", s.printBottom);
    // The path is stored without its terminating NUL. A path longer than
    // what is read back would come back as another path: it is not kept.
    const std::string exePath = s.exePath.size() <= kMaxSettingsStringBytes ? s.exePath : std::string();
    reg.SetValue(key, "exePath", REG_SZ, reinterpret_cast<const std::uint8_t*>(exePath.data()), exePath.size());
    WriteHistory(reg, key, "findItems", s.findItems);
    WriteHistory(reg, key, "replItems", s.replItems);
    reg.CloseKey(key);
}

bool RemoveRegistration(IRegistry& reg)
{
    const RegKey machine = RootKey(RegRoot::LocalMachine);
    bool ok = reg.DeleteKey(machine, kSettingsKey);

    RegKey maker;
    if (!reg.OpenKey(machine, kMakerKey, false, &maker)) return false;
    std::uint32_t subKeys = 0;
    bool counted = reg.QueryInfoKey(maker, &subKeys, nullptr);
    reg.CloseKey(maker);
    if (counted && subKeys == 0) ok = reg.DeleteKey(machine, kMakerKey) && ok;

    const RegKey classes = RootKey(RegRoot::ClassesRoot);
    std::uint32_t count = 0;
    if (!reg.QueryInfoKey(classes, &count, nullptr)) return false;
    // Collect the names first: deleting while enumerating would shift indexes.
    std::vector<std::string> types;
    std::string name;
    for (std::uint32_t i = 0; reg.EnumKey(classes, i, &name); ++i) types.push_back(name);
    for (const auto& type : types) {
        RegKey command;
        if (!reg.OpenKey(classes, type + kVerbCommandKey, false, &command)) continue;
        reg.CloseKey(command);
        if (!reg.DeleteKey(classes, type + kVerbCommandKey)) ok = false;
        if (!reg.DeleteKey(classes, type + kVerbKey)) ok = false;
    }
    return ok;
}

bool RemoveRegistration(IRegistry& registry, IFileTypes& fileTypes)
{
    const bool keys = RemoveRegistration(registry);
    return fileTypes.RemoveAllVerbs() && keys;
}
