#include "platform/posix/BufferedOutput.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr std::size_t kBufferSize = 1 << 20;
constexpr std::uint64_t kWritebackStep = 8 << 20;

}  // namespace

bool WriteAll(int handle, const std::uint8_t* bytes, std::size_t count)
{
    while (count > 0) {
        const ssize_t done = ::write(handle, bytes, count);
        if (done < 0 && errno == EINTR) continue;
        if (done <= 0) return false;
        bytes += done;
        count -= static_cast<std::size_t>(done);
    }
    return true;
}

void CBufferedOutput::Start(int handle)
{
    handle_ = handle;
    if (!buffer_) buffer_ = std::make_unique<std::uint8_t[]>(kBufferSize);
    capacity_ = kBufferSize;
    used_ = 0;
    written_ = syncedUpTo_ = 0;
    failed_ = false;
}

void CBufferedOutput::Stop()
{
    buffer_.reset();
    capacity_ = used_ = 0;
    handle_ = -1;
}

bool CBufferedOutput::Flush()
{
    if (failed_ || handle_ < 0) return false;
    if (used_ > 0 && !WriteAll(handle_, buffer_.get(), used_)) failed_ = true;
    written_ += used_;
    used_ = 0;
#ifdef SYNC_FILE_RANGE_WRITE
    if (!failed_ && written_ - syncedUpTo_ >= kWritebackStep) {
        ::sync_file_range(handle_, static_cast<off_t>(syncedUpTo_), static_cast<off_t>(written_ - syncedUpTo_),
                          SYNC_FILE_RANGE_WRITE);
        syncedUpTo_ = written_;
    }
#endif
    return !failed_;
}

bool CBufferedOutput::WriteSlow(const std::uint8_t* bytes, std::size_t count)
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
