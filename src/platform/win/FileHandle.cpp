#include "platform/FileHandle.h"

#include <windows.h>

#include "platform/win/WideText.h"

namespace {

HANDLE Native(FileHandle handle) { return reinterpret_cast<HANDLE>(handle); }

}  // namespace

FileHandle OpenForReading(const std::string& path)
{
    // Shared every way, so that other programs may still write, rename or
    // delete the file, and a save may replace it. No pipe or device: only
    // a file on a disk is read.
    const HANDLE file = ::CreateFileW(WidePath(path).c_str(), GENERIC_READ,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                      FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    if (file == INVALID_HANDLE_VALUE) return kNoFile;
    BY_HANDLE_FILE_INFORMATION info {};
    if (::GetFileType(file) != FILE_TYPE_DISK || !::GetFileInformationByHandle(file, &info) ||
        (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
        ::CloseHandle(file);
        return kNoFile;
    }
    return reinterpret_cast<FileHandle>(file);
}

std::int64_t ReadFromFile(FileHandle handle, void* into, std::size_t count)
{
    // One call reads at most 4 GB less a little.
    const DWORD ask = count > 0x40000000 ? 0x40000000 : static_cast<DWORD>(count);
    DWORD got = 0;
    if (!::ReadFile(Native(handle), into, ask, &got, nullptr)) return -1;
    return got;
}

void CloseFile(FileHandle handle)
{
    if (handle != kNoFile) ::CloseHandle(Native(handle));
}

bool IsRegularFile(const std::string& path)
{
    if (path.empty()) return false;
    const DWORD attributes = ::GetFileAttributesW(WidePath(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY) &&
           !(attributes & FILE_ATTRIBUTE_DEVICE);
}

bool RemoveFile(const std::string& path) { return ::DeleteFileW(WidePath(path).c_str()) != 0; }

bool PathExists(const std::string& path)
{
    return !path.empty() && ::GetFileAttributesW(WidePath(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

MoveResult MoveWithoutReplacing(const std::string& from, const std::string& to)
{
    // Without MOVEFILE_REPLACE_EXISTING the move refuses a name in use.
    if (::MoveFileExW(WidePath(from).c_str(), WidePath(to).c_str(), 0)) return MoveResult::Moved;
    const DWORD error = ::GetLastError();
    return error == ERROR_ALREADY_EXISTS || error == ERROR_FILE_EXISTS ? MoveResult::NameTaken : MoveResult::Failed;
}

bool WriteToFile(FileHandle handle, const void* bytes, std::size_t count)
{
    const auto* next = static_cast<const std::uint8_t*>(bytes);
    while (count > 0) {
        const DWORD ask = count > 0x40000000 ? 0x40000000 : static_cast<DWORD>(count);
        DWORD done = 0;
        if (!::WriteFile(Native(handle), next, ask, &done, nullptr) || done == 0) return false;
        next += done;
        count -= done;
    }
    return true;
}

// Windows starts writing back on its own.
void StartWriteback(FileHandle, std::uint64_t, std::uint64_t) {}
