#include "platform/win/FileOutput.h"

#include <windows.h>

namespace {

constexpr std::size_t kBufferSize = 1 << 20;

bool WriteAll(HANDLE handle, const std::uint8_t* bytes, std::size_t count)
{
    while (count > 0) {
        DWORD done = 0;
        if (!::WriteFile(handle, bytes, static_cast<DWORD>(count), &done, nullptr) || done == 0) return false;
        bytes += done;
        count -= done;
    }
    return true;
}

}  // namespace

void CFileOutput::Start(void* handle)
{
    handle_ = handle;
    if (!buffer_) buffer_ = std::make_unique<std::uint8_t[]>(kBufferSize);
    capacity_ = kBufferSize;
    used_ = 0;
    written_ = 0;
    failed_ = false;
}

void CFileOutput::Stop()
{
    buffer_.reset();
    capacity_ = used_ = 0;
    handle_ = nullptr;
}

bool CFileOutput::Flush()
{
    if (failed_ || !handle_) return false;
    if (used_ > 0 && !WriteAll(static_cast<HANDLE>(handle_), buffer_.get(), used_)) failed_ = true;
    written_ += used_;
    used_ = 0;
    return !failed_;
}

bool CFileOutput::WriteSlow(const std::uint8_t* bytes, std::size_t count)
{
    if (!buffer_) return false;
    while (count > 0 && !failed_) {
        if (used_ == capacity_ && !Flush()) break;
        const std::size_t part = count < capacity_ - used_ ? count : capacity_ - used_;
        std::memcpy(buffer_.get() + used_, bytes, part);
        used_ += part;
        bytes += part;
        count -= part;
    }
    return !failed_;
}
