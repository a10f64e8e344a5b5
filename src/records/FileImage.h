#pragma once
#include <cstddef>
#include <cstdint>

// A file's bytes read whole into private memory. Loaded records borrow their
// bytes from it instead of copying them, until their first change; the image
// lives while anything holds it (the reader, each borrowing record) and goes
// back to the system with the last holder. Records may outlive their
// document (undo entries, the clipboard holder), so a record finds its image
// from its bytes' address: few images are alive at once.
// Not thread-safe: records live on the user-interface thread only.
class CFileImage {
public:
    // An image with room for `capacity` bytes, held once by the caller.
    // Null when memory runs out.
    [[nodiscard]] static CFileImage* Create(std::size_t capacity);
    // An image of `size` bytes already read into `bytes`, a block of
    // `mapped` bytes (at least size + 1) from MapPages that the image then
    // owns; held once by the caller. Null when memory runs out (the block is
    // still the caller's).
    [[nodiscard]] static CFileImage* Adopt(std::uint8_t* bytes, std::size_t mapped, std::size_t size);
    // The image whose bytes include `bytes` (its end included, where an
    // empty record at the very end would point); null when none does.
    [[nodiscard]] static CFileImage* Containing(const void* bytes);
    // Images alive, for tests.
    static std::size_t LiveCount();

    std::uint8_t* Bytes() const { return bytes_; }
    std::size_t Capacity() const { return capacity_; }
    // Bytes read into the image so far.
    std::size_t size = 0;
    // Whether a byte marks the bytes as binary, when whoever read them
    // looked already: 1 yes, 0 no, -1 not known.
    int binaryByte = -1;
    // Line feeds among the bytes, when whoever read them counted them; -1
    // when not known.
    std::int64_t lineFeeds = -1;

    void Hold(std::size_t holders = 1) { holders_ += holders; }
    // Drops one hold; the image is freed with the last.
    void Release();

private:
    CFileImage() = default;
    ~CFileImage() = default;

    std::uint8_t* bytes_ = nullptr;
    std::size_t capacity_ = 0;
    std::size_t mapped_ = 0;
    std::size_t holders_ = 0;
};
