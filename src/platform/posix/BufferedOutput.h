#pragma once
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>

// Buffered writes to a file handle the caller owns. Writeback to the disk is
// started every few megabytes, so that the caller's final fsync has little
// left to wait for.
class CBufferedOutput {
public:
    // Starts writing to `handle` at its current offset.
    void Start(int handle);
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

    int handle_ = -1;
    std::unique_ptr<std::uint8_t[]> buffer_;
    std::size_t capacity_ = 0;
    std::size_t used_ = 0;
    std::uint64_t written_ = 0;
    std::uint64_t syncedUpTo_ = 0;
    bool failed_ = false;
};

// Writes every byte, retrying short writes and interruptions.
bool WriteAll(int handle, const std::uint8_t* bytes, std::size_t count);
