#include "records/RecordFile.h"

#include "records/RecordNode.h"

#include <algorithm>
#include <cstring>
#include <tuple>

namespace {

// Large enough that reading costs few system calls; the results do not
// depend on it.
constexpr int kReadBufferSize = 256 * 1024;

constexpr std::uint8_t kCr = 13;
constexpr std::uint8_t kLf = 10;

// A byte below 32 other than tab, LF and CR marks a file as binary. Written
// as a plain loop over fixed blocks so that the compiler vectorises it.
bool ContainsBinaryByte(const std::uint8_t* bytes, std::size_t count)
{
    constexpr std::size_t kBlock = 64;
    std::size_t at = 0;
    for (; at + kBlock <= count; at += kBlock) {
        unsigned found = 0;
        for (std::size_t i = 0; i < kBlock; ++i) {
            const std::uint8_t c = bytes[at + i];
            found |= static_cast<unsigned>((c < 32) & (c != 9) & (c != kLf) & (c != kCr));
        }
        if (found) return true;
    }
    for (; at < count; ++at) {
        const std::uint8_t c = bytes[at];
        if (c < 32 && c != 9 && c != kLf && c != kCr) return true;
    }
    return false;
}

}  // namespace

CRecordFile::~CRecordFile() { CloseFile(handle); }

CRecordFile::OpenResult CRecordFile::Open(const std::string& path, std::uint16_t modeRequest,
                                          std::int32_t width)
{
    Close();
    // Only regular files are read (they may be read more than once).
    const FileHandle opened = OpenForReading(path);
    if (opened == kNoFile) return OpenResult::Failed;
    // Without its size the file would read as empty.
    status = FileStatus{};
    if (!ReadFileStatus(opened, &status)) {
        CloseFile(opened);
        return OpenResult::Failed;
    }
    handle = opened;
    buffer_ = std::make_unique<std::uint8_t[]>(kReadBufferSize);
    bufferCount = bufferPosition = 0;
    readFailed = false;
    bytesDelivered = 0;

    if (width != 0) {
        mode = kModeBinary;
        recordWidth = width > 0 ? width : kDefaultBinaryWidth;
    } else if (modeRequest != kRequestAuto) {
        mode = modeRequest;
        recordWidth = 0;
    } else {
        mode = DetectMode();
        recordWidth = mode == kModeBinary ? kDefaultBinaryWidth : 0;
    }
    return OpenResult::Opened;
}

// Binary when any byte marks it so; otherwise the first line break decides:
// UNIX when it is a bare LF, DOS when it is CR LF or there is none. A CR LF
// pair split across two reads counts as a pair.
std::uint16_t CRecordFile::DetectMode()
{
    bool lineBreakSeen = false;
    bool firstBreakIsBareLf = false;
    std::uint8_t previous = 0;
    bool binary = false;
    while (!binary && Refill()) {
        const std::uint8_t* bytes = buffer_.get();
        const auto count = static_cast<std::size_t>(bufferCount);
        if (!lineBreakSeen) {
            if (const void* lf = std::memchr(bytes, kLf, count)) {
                const auto at = static_cast<std::size_t>(static_cast<const std::uint8_t*>(lf) - bytes);
                firstBreakIsBareLf = (at > 0 ? bytes[at - 1] : previous) != kCr;
                lineBreakSeen = true;
            }
        }
        binary = ContainsBinaryByte(bytes, count);
        previous = bytes[count - 1];
    }
    // Reading on from where the detection stopped would lose the start of
    // the file: a failed rewind counts as a failed read.
    if (!Rewind()) readFailed = true;
    if (binary) return kModeBinary;
    return firstBreakIsBareLf ? kModeUnix : kModeDos;
}

bool CRecordFile::Refill()
{
    bufferPosition = 0;
    bufferCount = 0;
    if (readFailed) return false;
    const std::int64_t got = ReadFromFile(handle, buffer_.get(), kReadBufferSize);
    if (got < 0) {
        readFailed = true;
        return false;
    }
    bufferCount = static_cast<std::int32_t>(got);
    return got > 0;
}

bool CRecordFile::Rewind()
{
    bufferCount = bufferPosition = 0;
    bytesDelivered = 0;
    readFailed = false;
    return handle != kNoFile && RewindFile(handle);
}

bool CRecordFile::AtEnd() { return bufferPosition == bufferCount && !Refill(); }

bool CRecordFile::ChangedSinceOpen() const
{
    FileStatus now;
    return handle == kNoFile || !ReadFileStatus(handle, &now) || now.size != status.size ||
           now.modifyTime != status.modifyTime || now.modifyNanoseconds != status.modifyNanoseconds;
}

void CRecordFile::Close()
{
    if (handle == kNoFile) return;
    // Should it fail, the status read at the open stays.
    std::ignore = ReadFileStatus(handle, &status);
    CloseFile(handle);
    handle = kNoFile;
    buffer_.reset();
    bufferCount = bufferPosition = 0;
}

CRecordFile::ReadResult CRecordFile::ReadRecord(std::uint8_t* destination, int maximum, bool divideLong,
                                                int* length)
{
    const bool dos = mode == kModeDos;
    const bool unix = mode == kModeUnix;
    const bool binary = mode == kModeBinary;
    const int want = binary ? std::min(recordWidth, maximum) : maximum;
    int count = 0;
    ReadResult result = ReadResult::Ok;
    for (;;) {
        if (count == want) {
            // A binary record of its full width is complete. Anything else
            // that filled `maximum` is too long, unless the file ends here.
            if (!(binary && recordWidth <= maximum) && !divideLong && !AtEnd()) result = ReadResult::TooLong;
            break;
        }
        if (bufferPosition == bufferCount && !Refill()) {
            if (count == 0) result = ReadResult::EndOfFile;
            break;
        }
        const std::uint8_t* from = buffer_.get() + bufferPosition;
        const int available = std::min(bufferCount - bufferPosition, want - count);
        int take = available;
        bool lineEnded = false;
        if (dos || unix) {
            const std::uint8_t* scan = from;
            const std::uint8_t* end = from + available;
            while (const void* found = std::memchr(scan, kLf, static_cast<std::size_t>(end - scan))) {
                const auto* lf = static_cast<const std::uint8_t*>(found);
                // In DOS mode the CR may be the last byte delivered so far.
                const bool afterCr = lf > from ? lf[-1] == kCr : count > 0 && destination[count - 1] == kCr;
                if (unix || afterCr) {
                    take = static_cast<int>(lf - from) + 1;
                    lineEnded = true;
                    break;
                }
                scan = lf + 1;
            }
        }
        std::memcpy(destination + count, from, static_cast<std::size_t>(take));
        count += take;
        bufferPosition += take;
        if (lineEnded) break;
    }
    bytesDelivered += count;
    *length = count;
    return result;
}

int ContentLength(std::uint16_t mode, const std::uint8_t* bytes, int length)
{
    if (mode & kModeDos) {
        if (length >= 2 && bytes[length - 1] == kLf && bytes[length - 2] == kCr) return length - 2;
        // A DOS record ends in a bare LF only at the end of the file, where
        // that LF is the final line break, or when it was cut at the record
        // limit from a longer line, where the LF is data.
        if (length >= 1 && length < kMaxRecordLength && bytes[length - 1] == kLf) return length - 1;
    } else if (mode & kModeUnix) {
        if (length >= 1 && bytes[length - 1] == kLf) return length - 1;
    }
    return length;
}
