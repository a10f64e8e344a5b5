#pragma once
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>

#include "platform/FileHandle.h"

// Buffered writes to a file handle the caller owns. Where the system can,
// writeback to the disk is started every few megabytes, so that the
// caller's final flush has little left to wait for.
class CBufferedOutput {
public:
    // Starts writing to `handle` at its current offset.
    void Start(FileHandle handle);
    // Drops the buffer; the handle is left to its owner.
    void Stop();

    // False once any write has failed.
    bool Write(const void* bytes, std::size_t count)
    {
        if (count <= capacity_ - used_) {
            std::memcpy(buffer_.get() + used_, bytes, count);
            used_ += count;
            return !failed_;
        }
        return WriteSlow(static_cast<const std::uint8_t*>(bytes), count);
    }
    // Hands every buffered byte to the system.
    bool Flush();

    // Bytes handed to the system and still in the buffer.
    std::uint64_t Total() const { return written_ + used_; }

private:
    bool WriteSlow(const std::uint8_t* bytes, std::size_t count);

    FileHandle handle_ = kNoFile;
    std::unique_ptr<std::uint8_t[]> buffer_;
    std::size_t capacity_ = 0;
    std::size_t used_ = 0;
    std::uint64_t written_ = 0;
    std::uint64_t writebackFrom_ = 0;
    bool failed_ = false;
};
