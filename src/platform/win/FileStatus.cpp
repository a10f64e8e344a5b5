#include "platform/FileStatus.h"

#include <windows.h>

#include "platform/win/WideText.h"

namespace {

// 100-nanosecond ticks from 1601 to 1970.
constexpr std::int64_t kEpochTicks = 116444736000000000LL;
constexpr std::int64_t kTicksPerSecond = 10000000;

std::int64_t Ticks(const FILETIME& time)
{
    return static_cast<std::int64_t>((static_cast<std::uint64_t>(time.dwHighDateTime) << 32) | time.dwLowDateTime) -
           kEpochTicks;
}

// Whole seconds, rounded down also before 1970.
std::int64_t Seconds(std::int64_t ticks)
{
    return ticks >= 0 ? ticks / kTicksPerSecond : -((-ticks + kTicksPerSecond - 1) / kTicksPerSecond);
}

bool FromInformation(const BY_HANDLE_FILE_INFORMATION& info, FileStatus* status)
{
    status->size = static_cast<std::int64_t>((static_cast<std::uint64_t>(info.nFileSizeHigh) << 32) |
                                             info.nFileSizeLow);
    status->accessTime = Seconds(Ticks(info.ftLastAccessTime));
    const std::int64_t modified = Ticks(info.ftLastWriteTime);
    status->modifyTime = Seconds(modified);
    status->modifyNanoseconds = static_cast<std::uint32_t>((modified - status->modifyTime * kTicksPerSecond) * 100);
    status->createTime = Seconds(Ticks(info.ftCreationTime));
    status->device = info.dwVolumeSerialNumber;
    status->fileIndex = (static_cast<std::uint64_t>(info.nFileIndexHigh) << 32) | info.nFileIndexLow;
    return true;
}

}  // namespace

bool ReadFileStatus(FileHandle handle, FileStatus* status)
{
    BY_HANDLE_FILE_INFORMATION info {};
    return ::GetFileInformationByHandle(reinterpret_cast<HANDLE>(handle), &info) && FromInformation(info, status);
}

bool ReadFileStatus(const std::string& path, FileStatus* status)
{
    // No access asked: the status can be read even of a file we may not read.
    const HANDLE file = ::CreateFileW(WidePath(path).c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    const bool ok = ReadFileStatus(reinterpret_cast<FileHandle>(file), status);
    ::CloseHandle(file);
    return ok;
}
