#include <gtest/gtest.h>

#include <random>

#include "platform/win/WinRegistry.h"
#include "settings/SettingsRegistry.h"

#include <windows.h>

namespace {

// The settings key as the system's own calls see it, in a sandbox of the
// real registry.
class WinRegistrySettings : public ::testing::Test {
protected:
    // The value's bytes as they lie in the registry, two to a character (a
    // last odd byte on its own).
    std::wstring Raw(const std::wstring& name, DWORD* type)
    {
        const std::wstring path = L"Software\\Tabulon tests\\" + sandbox_ +
                                  L"\\HKEY_LOCAL_MACHINE\\Software\\Halvern's Workshop\\Tabulon";
        HKEY key = nullptr;
        if (::RegOpenKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return L"<no key>";
        BYTE bytes[4096];
        DWORD size = sizeof bytes;
        const LSTATUS status = ::RegQueryValueExW(key, name.c_str(), nullptr, type, bytes, &size);
        ::RegCloseKey(key);
        if (status != ERROR_SUCCESS) return L"<missing>";
        std::wstring data;
        for (DWORD i = 0; i + 1 < size; i += 2) data.push_back(static_cast<wchar_t>(bytes[i] | (bytes[i + 1] << 8)));
        if (size % 2) data.push_back(bytes[size - 1]);
        return data;
    }

    std::wstring sandbox_ = L"settings " + std::to_wstring(std::random_device{}());
    CWinRegistry registry{std::string("Software\\Tabulon tests\\").append(sandbox_.begin(), sandbox_.end())};
};

TEST_F(WinRegistrySettings, AreTheKeysValuesWithTheTypesAndBytesOfTheLayout)
{
    Settings s;
    s.printLeft = 0.25f;
    s.exePath = "C:\\Program Files\\T\xC3\xA4" "bulon\\Tabulon.exe";  // beyond ASCII
    s.findItems[0] = "ab";
    s.findItems[1] = "cd";
    SaveSettings(s, registry);

    DWORD type = 0;
    EXPECT_EQ(L"C:\\Program Files\\T\u00e4bulon\\Tabulon.exe", Raw(L"exePath", &type));  // no NUL
    EXPECT_EQ(static_cast<DWORD>(REG_SZ), type);
    EXPECT_EQ(std::wstring(L"ab\0cd\0\0\0\0\0\0\0\0\0\0", 15), Raw(L"findItems", &type));
    EXPECT_EQ(static_cast<DWORD>(REG_MULTI_SZ), type);
    EXPECT_EQ(std::wstring(11, L'\0'), Raw(L"replItems", &type));
    EXPECT_EQ(std::wstring(L"\x0000\x3E80", 2), Raw(L"printLeft", &type));  // 0x3E800000
    EXPECT_EQ(static_cast<DWORD>(REG_DWORD), type);
    EXPECT_EQ(std::wstring(1, L'\x01'), Raw(L"srcSmart", &type));  // one byte
    EXPECT_EQ(static_cast<DWORD>(REG_BINARY), type);

    Settings loaded;
    LoadSettings(loaded, registry);
    EXPECT_TRUE(loaded.registryAccess);
    EXPECT_EQ(s.exePath, loaded.exePath);
    EXPECT_EQ(s.findItems, loaded.findItems);
    EXPECT_EQ(0.25f, loaded.printLeft);

    EXPECT_TRUE(RemoveRegistration(registry));
    Settings after;
    LoadSettings(after, registry);
    EXPECT_FALSE(after.registryAccess);
}

}  // namespace
