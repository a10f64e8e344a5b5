#include "platform/BackupCopy.h"

#include <windows.h>

#include "platform/win/WideText.h"
#include "platform/win/WinFiles.h"

CBackupCopy::~CBackupCopy() { Discard(); }

void CBackupCopy::Discard()
{
    if (!prepared_.empty()) ::DeleteFileW(WidePath(prepared_).c_str());
    prepared_.clear();
    alreadyLinked_ = false;
}

bool CBackupCopy::Prepare(const std::string& path, const std::string& backupPath, bool separateCopy)
{
    Discard();
    const std::string source = ResolveLinkTarget(path);
    const std::wstring wideSource = WidePath(source);
    const HANDLE file = ::CreateFileW(wideSource.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    BY_HANDLE_FILE_INFORMATION info {};
    const bool regular =
        ::GetFileInformationByHandle(file, &info) && !(info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY);
    ::CloseHandle(file);
    if (!regular) return false;
    backupPath_ = backupPath;
    if (!separateCopy && SameFile(backupPath, source)) {
        alreadyLinked_ = true;  // the backup already is this very file
        return true;
    }
    std::string temp;
    const HANDLE reserved = CreateUniqueFile(backupPath, &temp);
    if (reserved == INVALID_HANDLE_VALUE) return false;
    ::CloseHandle(reserved);
    const std::wstring wideTemp = WidePath(temp);
    if (!separateCopy && info.nNumberOfLinks == 1) {
        ::DeleteFileW(wideTemp.c_str());
        if (::CreateHardLinkW(wideTemp.c_str(), wideSource.c_str(), nullptr)) {
            prepared_ = temp;
            return true;
        }
    }
    // A copy of the bytes (and of the file's attributes, which the system
    // copies with them), flushed before it may stand for the file.
    if (::CopyFileW(wideSource.c_str(), wideTemp.c_str(), FALSE)) {
        const HANDLE copy = ::CreateFileW(wideTemp.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr,
                                          OPEN_EXISTING, 0, nullptr);
        const bool flushed = copy != INVALID_HANDLE_VALUE && ::FlushFileBuffers(copy);
        if (copy != INVALID_HANDLE_VALUE) ::CloseHandle(copy);
        if (flushed) {
            prepared_ = temp;
            return true;
        }
    }
    ::DeleteFileW(wideTemp.c_str());
    return false;
}

bool CBackupCopy::Install()
{
    if (alreadyLinked_) {
        alreadyLinked_ = false;
        return true;
    }
    if (prepared_.empty()) return false;
    const std::wstring from = WidePath(prepared_);
    const bool ok = ::MoveFileExW(from.c_str(), WidePath(backupPath_).c_str(),
                                  MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
    if (!ok) ::DeleteFileW(from.c_str());
    prepared_.clear();
    return ok;
}
