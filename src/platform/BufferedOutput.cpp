#include "platform/BufferedOutput.h"

namespace {

constexpr std::size_t kBufferSize = 1 << 20;
constexpr std::uint64_t kWritebackStep = 8 << 20;

}  // namespace

void CBufferedOutput::Start(FileHandle handle)
{
    handle_ = handle;
    if (!buffer_) buffer_ = std::make_unique<std::uint8_t[]>(kBufferSize);
    capacity_ = kBufferSize;
    used_ = 0;
    written_ = writebackFrom_ = 0;
    failed_ = false;
}

void CBufferedOutput::Stop()
{
    buffer_.reset();
    capacity_ = used_ = 0;
    handle_ = kNoFile;
}

bool CBufferedOutput::Flush()
{
    if (failed_ || handle_ == kNoFile) return false;
    if (used_ > 0 && !WriteToFile(handle_, buffer_.get(), used_)) failed_ = true;
    written_ += used_;
    used_ = 0;
    if (!failed_ && written_ - writebackFrom_ >= kWritebackStep) {
        StartWriteback(handle_, writebackFrom_, written_ - writebackFrom_);
        writebackFrom_ = written_;
    }
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
