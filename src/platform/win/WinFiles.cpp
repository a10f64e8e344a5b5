#include "platform/win/WinFiles.h"

#include <cstdio>
#include <windows.h>
#include <aclapi.h>

#include "platform/CanonicalPath.h"
#include "platform/win/WideText.h"

namespace {

bool FileIdentity(const std::string& path, BY_HANDLE_FILE_INFORMATION* info)
{
    const HANDLE file = ::CreateFileW(WidePath(path).c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    const bool ok = ::GetFileInformationByHandle(file, info) != 0;
    ::CloseHandle(file);
    return ok;
}

}  // namespace

std::string ResolveLinkTarget(const std::string& path)
{
    const DWORD attributes = ::GetFileAttributesW(WidePath(path).c_str());
    std::string resolved;
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT) &&
        CanonicalPath(path, &resolved))
        return resolved;
    return path;
}

void* CreateUniqueFile(const std::string& beside, std::string* name)
{
    static unsigned serial = 0;
    for (int attempt = 0; attempt < 100; ++attempt) {
        char suffix[64];
        std::snprintf(suffix, sizeof suffix, ".tmp%lu-%u-%lu", ::GetCurrentProcessId(), ++serial,
                      ::GetTickCount() % 100000);
        *name = beside + suffix;
        const HANDLE file = ::CreateFileW(WidePath(*name).c_str(), GENERIC_READ | GENERIC_WRITE | DELETE | WRITE_DAC,
                                          FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr, CREATE_NEW,
                                          FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE || ::GetLastError() != ERROR_FILE_EXISTS) return file;
    }
    ::SetLastError(ERROR_FILE_EXISTS);
    return INVALID_HANDLE_VALUE;
}

bool SameFile(const std::string& a, const std::string& b)
{
    BY_HANDLE_FILE_INFORMATION first {}, second {};
    return FileIdentity(a, &first) && FileIdentity(b, &second) &&
           first.dwVolumeSerialNumber == second.dwVolumeSerialNumber &&
           first.nFileIndexHigh == second.nFileIndexHigh && first.nFileIndexLow == second.nFileIndexLow;
}

bool CopyAccessRules(const std::string& model, void* handle)
{
    PACL rules = nullptr;
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    std::wstring path = WidePath(model);
    if (::GetNamedSecurityInfoW(path.data(), SE_FILE_OBJECT, DACL_SECURITY_INFORMATION, nullptr, nullptr, &rules,
                                nullptr, &descriptor) != ERROR_SUCCESS)
        return false;
    const bool ok = ::SetSecurityInfo(static_cast<HANDLE>(handle), SE_FILE_OBJECT, DACL_SECURITY_INFORMATION, nullptr,
                                      nullptr, rules, nullptr) == ERROR_SUCCESS;
    ::LocalFree(descriptor);
    return ok;
}
