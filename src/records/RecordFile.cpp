#include "records/RecordFile.h"

#include <algorithm>
#include <cstring>
#include <limits>
#if defined(__SSE2__) && defined(__x86_64__)
#include <emmintrin.h>
#endif

#include "records/FileImage.h"
#include "records/FilePrefetch.h"
#include "records/LoadMemory.h"
#include "records/ProgressMeter.h"
#include "records/RecordNode.h"

namespace {

// Large enough that reading costs few system calls, small enough for a few
// progress reports a second on a slow disk; the results do not depend on it.
constexpr std::size_t kReadBlockSize = 8 << 20;

constexpr std::uint8_t kCr = 13;
constexpr std::uint8_t kLf = 10;

}  // namespace

// Written as plain loops over fixed blocks so that the compiler vectorises
// them.
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

std::size_t CountLineFeeds(const std::uint8_t* bytes, std::size_t count)
{
    constexpr std::size_t kBlock = 64;
    std::size_t lines = 0;
    std::size_t at = 0;
    for (; at + kBlock <= count; at += kBlock) {
        unsigned found = 0;
        for (std::size_t i = 0; i < kBlock; ++i) found += bytes[at + i] == kLf;
        lines += found;
    }
    for (; at < count; ++at) lines += bytes[at] == kLf;
    return lines;
}

// Sixteen bytes at a time where the processor has SSE2 (every x86-64): the
// load scans every byte of a file while reading it, so the scan must keep
// up with memory.
void ScanBytes(const std::uint8_t* bytes, std::size_t count, std::uint64_t& lineFeeds, bool& binary)
{
    std::size_t at = 0;
    std::uint64_t lines = 0;
    bool found = false;
#if defined(__SSE2__) && defined(__x86_64__)
    const __m128i lf = _mm_set1_epi8(kLf);
    const __m128i tab = _mm_set1_epi8(9);
    const __m128i cr = _mm_set1_epi8(kCr);
    const __m128i below32 = _mm_set1_epi8(31);
    __m128i marks = _mm_setzero_si128();
    while (at + 16 <= count) {
        // Per-byte line counts, summed before any can pass 255.
        __m128i counts = _mm_setzero_si128();
        const std::size_t end = std::min(count, at + 16 * 255);
        for (; at + 16 <= end; at += 16) {
            const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes + at));
            const __m128i isLf = _mm_cmpeq_epi8(v, lf);
            counts = _mm_sub_epi8(counts, isLf);
            const __m128i control = _mm_cmpeq_epi8(_mm_min_epu8(v, below32), v);
            const __m128i allowed = _mm_or_si128(isLf, _mm_or_si128(_mm_cmpeq_epi8(v, tab), _mm_cmpeq_epi8(v, cr)));
            marks = _mm_or_si128(marks, _mm_andnot_si128(allowed, control));
        }
        const __m128i sums = _mm_sad_epu8(counts, _mm_setzero_si128());
        lines += static_cast<std::uint64_t>(_mm_cvtsi128_si64(sums)) +
                 static_cast<std::uint64_t>(_mm_extract_epi16(sums, 4));
    }
    found = _mm_movemask_epi8(marks) != 0;
#endif
    for (; at < count; ++at) {
        const std::uint8_t c = bytes[at];
        found = found || (c < 32 && c != 9 && c != kLf && c != kCr);
        lines += c == kLf;
    }
    lineFeeds += lines;
    binary = binary || found;
}

CRecordFile::~CRecordFile() { Close(); }

CRecordFile::OpenResult CRecordFile::Open(const std::string& path, std::uint16_t modeRequest,
                                          std::int32_t width, CProgressMeter* progress)
{
    Close();
    // Only regular files are read (they may be read more than once).
    const FileHandle opened = OpenForReading(path);
    if (opened == kNoFile) return OpenResult::Failed;
    // Without its size the file would read as empty.
    status = FileStatus{};
    if (!ReadFileStatus(opened, &status) || status.size < 0 ||
        static_cast<std::uint64_t>(status.size) >= std::numeric_limits<std::size_t>::max() / 2) {
        CloseFile(opened);
        return OpenResult::Failed;
    }
    handle = opened;
    position_ = 0;
    readFailed = false;
    bytesDelivered = 0;
    // Reading is the first half of a load, cutting the records the second.
    if (progress) progress->SetTotal(2 * static_cast<std::uint64_t>(status.size));
    image_ = TakePrefetchedImage(path, status);
    if (!image_) {
        // The bytes first; whether their records fit too is known once
        // they are read.
        if (!MemoryAvailableFor(static_cast<std::uint64_t>(status.size) + 1)) {
            Close();
            return OpenResult::TooLarge;
        }
        image_ = CFileImage::Create(static_cast<std::size_t>(status.size));
        if (!image_) {
            Close();
            return OpenResult::OutOfMemory;
        }
        if (!ReadImage(progress)) readFailed = true;
    }

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

// Reads the file into the image in large blocks. False when a read failed
// or the file has grown since its size was read: the image then holds only
// part of it.
bool CRecordFile::ReadImage(CProgressMeter* progress)
{
    std::uint8_t* bytes = image_->Bytes();
    const std::size_t capacity = image_->Capacity();
    // Looked at while each block is fresh in the cache: mode detection and
    // the memory check need not read the image again.
    std::uint64_t lineFeeds = 0;
    bool binary = false;
    while (image_->size < capacity) {
        const std::size_t want = std::min(kReadBlockSize, capacity - image_->size);
        const std::int64_t got = ReadFromFile(handle, bytes + image_->size, want);
        if (got < 0) return false;
        if (got == 0) break;  // shrunk meanwhile: the status check notices
        ScanBytes(bytes + image_->size, static_cast<std::size_t>(got), lineFeeds, binary);
        image_->size += static_cast<std::size_t>(got);
        if (progress) progress->Update(image_->size);
    }
    image_->lineFeeds = static_cast<std::int64_t>(lineFeeds);
    image_->binaryByte = binary ? 1 : 0;
    if (image_->size < capacity) return true;
    std::uint8_t probe;
    return ReadFromFile(handle, &probe, 1) == 0;
}

// Binary when any byte marks it so; otherwise the first line break decides:
// UNIX when it is a bare LF, DOS when it is CR LF or there is none.
std::uint16_t CRecordFile::DetectMode() const
{
    const std::uint8_t* bytes = image_->Bytes();
    const std::size_t count = image_->size;
    const bool binary = image_->binaryByte >= 0 ? image_->binaryByte != 0 : ContainsBinaryByte(bytes, count);
    if (binary) return kModeBinary;
    const void* lf = count > 0 ? std::memchr(bytes, kLf, count) : nullptr;
    if (!lf) return kModeDos;
    const auto at = static_cast<std::size_t>(static_cast<const std::uint8_t*>(lf) - bytes);
    return at > 0 && bytes[at - 1] == kCr ? kModeDos : kModeUnix;
}

bool CRecordFile::Rewind()
{
    position_ = 0;
    bytesDelivered = 0;
    return image_ != nullptr;
}

bool CRecordFile::AtEnd() const { return !image_ || position_ == image_->size; }

RecordIndex CRecordFile::RecordsAtMost() const
{
    if (!image_) return 0;
    const auto size = static_cast<RecordIndex>(image_->size);
    if (mode == kModeBinary) {
        // A width past the record limit gives records of 65535 bytes.
        const RecordIndex width = std::clamp<RecordIndex>(recordWidth, 1, kMaxRecordLength);
        return (size + width - 1) / width + 1;
    }
    if ((mode & kModeDos) && (mode & kModeUnix)) return size / kMaxRecordLength + 1;  // both bits: no line ends
    const RecordIndex lineFeeds = image_->lineFeeds >= 0
                                      ? image_->lineFeeds
                                      : static_cast<RecordIndex>(CountLineFeeds(image_->Bytes(), image_->size));
    // Every line feed, and a piece for every 65535 other bytes and the last.
    return lineFeeds + (size - lineFeeds) / kMaxRecordLength + 1;
}

bool CRecordFile::ChangedSinceOpen() const
{
    FileStatus now;
    return handle == kNoFile || !ReadFileStatus(handle, &now) || !SameContentsStatus(now, status);
}

void CRecordFile::Close()
{
    if (image_) image_->Release();
    image_ = nullptr;
    position_ = 0;
    if (handle == kNoFile) return;
    // For the access time. The status stays that of the bytes read, should
    // the file have changed meanwhile (or the read fail): a save then sees
    // the change.
    FileStatus now;
    if (ReadFileStatus(handle, &now) && SameContentsStatus(now, status)) status = now;
    CloseFile(handle);
    handle = kNoFile;
}

CRecordFile::ReadResult CRecordFile::ReadRecord(int maximum, bool divideLong, const std::uint8_t** bytes,
                                                int* length)
{
    *length = 0;
    *bytes = nullptr;
    if (AtEnd()) return ReadResult::EndOfFile;
    const bool binary = mode == kModeBinary;
    const std::uint8_t* from = image_->Bytes() + position_;
    const std::size_t want = static_cast<std::size_t>(binary ? std::min(recordWidth, maximum) : maximum);
    std::size_t take = std::min(want, image_->size - position_);
    bool lineEnded = false;
    if (mode == kModeDos || mode == kModeUnix) {
        const std::uint8_t* scan = from;
        const std::uint8_t* end = from + take;
        while (const void* found = std::memchr(scan, kLf, static_cast<std::size_t>(end - scan))) {
            const auto* lf = static_cast<const std::uint8_t*>(found);
            // The CR of a DOS line break belongs to the same record.
            if (mode == kModeUnix || (lf > from && lf[-1] == kCr)) {
                take = static_cast<std::size_t>(lf - from) + 1;
                lineEnded = true;
                break;
            }
            scan = lf + 1;
        }
    }
    position_ += take;
    bytesDelivered += static_cast<std::int64_t>(take);
    *bytes = from;
    *length = static_cast<int>(take);
    // A binary record of its full width is complete. Anything else that
    // filled `maximum` is too long, unless the file ends here.
    if (!lineEnded && take == want && !(binary && recordWidth <= maximum) && !divideLong && !AtEnd())
        return ReadResult::TooLong;
    return ReadResult::Ok;
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
