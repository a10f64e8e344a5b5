#pragma once
#include <cstdint>
#include <memory>
#include <string>

#include "platform/FileStatus.h"

#include "records/OpenMode.h"

// The physical file behind a record list: its stored mode, status and
// handle, and the buffered reader that cuts it into records.
class CRecordFile {
public:
    enum class OpenResult { Opened, Failed };
    enum class ReadResult { Ok, EndOfFile, TooLong };

    CRecordFile() = default;
    ~CRecordFile();
    CRecordFile(const CRecordFile&) = delete;
    CRecordFile& operator=(const CRecordFile&) = delete;

    // Opens a regular file for reading and settles how it is read: a width
    // request (non-zero) gives binary records of that width (64 for a
    // negative one), a DOS or UNIX request (or both bits) is kept as it is,
    // and AUTO detects the mode from the contents (binary gets width 64).
    [[nodiscard]] OpenResult Open(const std::string& path, std::uint16_t modeRequest, std::int32_t width);

    // Delivers the next record into `destination` with its line terminator.
    // DOS: only an LF right after a CR ends a line; UNIX: every LF does;
    // binary: the record width or what remains; both mode bits: nothing does.
    // A record that does not fit in `maximum` bytes delivers its first
    // `maximum` bytes, leaves the rest for the next call, and reports
    // TooLong, or Ok when `divideLong` is set. EndOfFile when nothing is
    // left.
    [[nodiscard]] ReadResult ReadRecord(std::uint8_t* destination, int maximum, bool divideLong, int* length);

    // Back to the start of the file, with the buffer emptied.
    [[nodiscard]] bool Rewind();
    // True when the reader has delivered every byte of the file.
    [[nodiscard]] bool AtEnd();
    // Reads the status once more and closes the file.
    void Close();
    // True when the file's size or modification time differs from when it
    // was opened: someone wrote to it meanwhile.
    [[nodiscard]] bool ChangedSinceOpen() const;

    std::uint16_t mode = kModeDos;
    FileStatus status;
    FileHandle handle = kNoFile;
    std::int32_t recordWidth = 0;
    std::int32_t bufferCount = 0;
    std::int32_t bufferPosition = 0;

    // Since the last Open or Rewind: whether a read failed (the reader then
    // reports the end of the file), and how many bytes were delivered.
    bool readFailed = false;
    std::int64_t bytesDelivered = 0;

private:
    std::uint16_t DetectMode();
    bool Refill();

    std::unique_ptr<std::uint8_t[]> buffer_;
};

// The bytes of a delivered record without its line terminator: UNIX drops a
// final LF, DOS (and both bits) a final CR LF pair, or the bare LF that ends
// the file. A bare LF inside a DOS record, or ending a piece cut at the
// record limit, is data and stays.
int ContentLength(std::uint16_t mode, const std::uint8_t* bytes, int length);
