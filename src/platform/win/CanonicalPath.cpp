#include "platform/CanonicalPath.h"

#include <windows.h>

#include "platform/win/WideText.h"

bool CanonicalPath(const std::string& path, std::string* resolved)
{
    if (path.empty()) return false;
    // The file itself is asked for its final name: links followed, long
    // names and the letter case the disk keeps.
    const std::wstring wide = WidePath(path);
    const HANDLE file = ::CreateFileW(wide.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                      OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    // Room for the longest path there is (asking the size first is not
    // answered alike everywhere).
    std::wstring name(32768, L'\0');
    DWORD length = ::GetFinalPathNameByHandleW(file, name.data(), static_cast<DWORD>(name.size()),
                                               FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
    ::CloseHandle(file);
    if (length == 0 || length >= name.size()) {
        // Where the system cannot name the file so (Wine, for long paths),
        // the long form of the full path stands for it; links stay as named.
        std::wstring full(32768, L'\0');
        const DWORD fullLength =
            ::GetFullPathNameW(wide.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
        if (fullLength == 0 || fullLength >= full.size()) return false;
        length = ::GetLongPathNameW(full.c_str(), name.data(), static_cast<DWORD>(name.size()));
        if (length == 0 || length >= name.size()) return false;
    }
    name.resize(length);
    // The answer comes in the long form "\\?\C:\..." or "\\?\UNC\server\...";
    // the classic form is kept where it can name the file.
    if (name.rfind(L"\\\\?\\UNC\\", 0) == 0 && name.size() < MAX_PATH) name = L"\\\\" + name.substr(8);
    else if (name.rfind(L"\\\\?\\", 0) == 0 && name.size() - 4 < MAX_PATH) name = name.substr(4);
    *resolved = TextFromWide(name);
    return true;
}
