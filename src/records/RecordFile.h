#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/FileStatus.h"

#include "records/OpenMode.h"
#include "records/RecordIndex.h"

class CFileImage;
class CProgressMeter;

// The physical file behind a record list: its stored mode, status and
// handle, and the reader that cuts it into records. The file is read whole
// into private memory (its image) in large blocks, and the records are cut
// from there: they can borrow their bytes from it, and whatever another
// program does to the file meanwhile cannot reach them.
class CRecordFile {
public:
    // TooLarge: the file's bytes would not fit in the memory available.
    enum class OpenResult { Opened, Failed, OutOfMemory, TooLarge };
    enum class ReadResult { Ok, EndOfFile, TooLong };

    CRecordFile() = default;
    ~CRecordFile();
    CRecordFile(const CRecordFile&) = delete;
    CRecordFile& operator=(const CRecordFile&) = delete;

    // Opens a regular file, reads it and settles how it is read: a width
    // request (non-zero) gives binary records of that width (64 for a
    // negative one), a DOS or UNIX request (or both bits) is kept as it is,
    // and AUTO detects the mode from the contents (binary gets width 64).
    // `progress`, when given, hears of the bytes read.
    [[nodiscard]] OpenResult Open(const std::string& path, std::uint16_t modeRequest, std::int32_t width,
                                  CProgressMeter* progress = nullptr);

    // Delivers the next record, with its line terminator, as `length` bytes
    // at `bytes` in the image. DOS: only an LF right after a CR ends a line;
    // UNIX: every LF does; binary: the record width or what remains; both
    // mode bits: nothing does. A record that does not fit in `maximum` bytes
    // delivers its first `maximum` bytes, leaves the rest for the next call,
    // and reports TooLong, or Ok when `divideLong` is set. EndOfFile when
    // nothing is left.
    [[nodiscard]] ReadResult ReadRecord(int maximum, bool divideLong, const std::uint8_t** bytes, int* length);

    // Back to the first record.
    [[nodiscard]] bool Rewind();
    // True when the reader has delivered every byte read.
    [[nodiscard]] bool AtEnd() const;
    // The most records the bytes read can give in the file's mode: every
    // line feed may end one, and every 65535 bytes of a long line.
    [[nodiscard]] RecordIndex RecordsAtMost() const;
    // Reads the status once more (unless the file changed since the open),
    // closes the file and lets go of the image (records borrowing from it
    // keep it).
    void Close();
    // True when the file's size or modification time differs from when it
    // was opened: someone wrote to it meanwhile.
    [[nodiscard]] bool ChangedSinceOpen() const;
    // The file's bytes while it is open; null when closed.
    CFileImage* Image() const { return image_; }

    std::uint16_t mode = kModeDos;
    FileStatus status;
    FileHandle handle = kNoFile;
    std::int32_t recordWidth = 0;

    // Whether a read failed or the file grew while it was read (the image
    // then holds only part of it), and how many bytes were delivered since
    // the last Open or Rewind.
    bool readFailed = false;
    std::int64_t bytesDelivered = 0;

private:
    [[nodiscard]] bool ReadImage(CProgressMeter* progress);
    std::uint16_t DetectMode() const;

    CFileImage* image_ = nullptr;
    std::size_t position_ = 0;
};

// True when a byte marks the file as binary: one below 32 other than tab,
// LF and CR.
[[nodiscard]] bool ContainsBinaryByte(const std::uint8_t* bytes, std::size_t count);
// How many LF bytes there are.
[[nodiscard]] std::size_t CountLineFeeds(const std::uint8_t* bytes, std::size_t count);
// Both in one pass over the bytes: adds their LF bytes to `lineFeeds`, and
// sets `binary` when a byte marks them as binary.
void ScanBytes(const std::uint8_t* bytes, std::size_t count, std::uint64_t& lineFeeds, bool& binary);

// The bytes of a delivered record without its line terminator: UNIX drops a
// final LF, DOS (and both bits) a final CR LF pair, or the bare LF that ends
// the file. A bare LF inside a DOS record, or ending a piece cut at the
// record limit, is data and stays.
int ContentLength(std::uint16_t mode, const std::uint8_t* bytes, int length);
