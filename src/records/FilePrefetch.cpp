#include "records/FilePrefetch.h"

#include <algorithm>
#include <cstdint>
#include <thread>
#include <vector>

#include "platform/FileHandle.h"
#include "platform/PageMemory.h"
#include "records/BlockPool.h"
#include "records/FileImage.h"
#include "records/RecordFile.h"
#include "records/RecordStorage.h"

namespace {

// Touched by the worker until it is joined, then by the user-interface
// thread only.
struct Prefetch {
    std::string path;
    std::thread worker;
    FileStatus status;
    std::uint8_t* bytes = nullptr;
    std::size_t mapped = 0;
    std::size_t size = 0;
    bool whole = false;
    bool binary = false;
    std::size_t lineFeeds = 0;
    std::vector<void*> nodeBlocks;

    void Read()
    {
        const FileHandle handle = OpenForReading(path);
        if (handle == kNoFile) return;
        if (ReadFileStatus(handle, &status) && status.size > 0 &&
            static_cast<std::uint64_t>(status.size) < SIZE_MAX / 2) {
            mapped = static_cast<std::size_t>(status.size) + 1;
            bytes = static_cast<std::uint8_t*>(MapPages(mapped));
            whole = bytes != nullptr;
            const std::size_t capacity = static_cast<std::size_t>(status.size);
            constexpr std::size_t kBlock = 8 << 20;
            // Each block is looked at while it is fresh in the cache: the
            // load's detection and node count need not read it again.
            while (whole && size < capacity) {
                const std::int64_t got = ReadFromFile(handle, bytes + size, std::min(kBlock, capacity - size));
                if (got <= 0) {
                    whole = false;
                    break;
                }
                binary = binary || ContainsBinaryByte(bytes + size, static_cast<std::size_t>(got));
                lineFeeds += CountLineFeeds(bytes + size, static_cast<std::size_t>(got));
                size += static_cast<std::size_t>(got);
            }
            std::uint8_t probe;
            if (whole && ReadFromFile(handle, &probe, 1) != 0) whole = false;  // grown meanwhile
        }
        CloseFile(handle);
        if (whole) PrepareNodeMemory();
    }

    // Touches the memory for about as many records as the file has lines,
    // so that the load finds it ready instead of waiting for fresh pages.
    void PrepareNodeMemory()
    {
        const std::size_t lines = lineFeeds + 1;
        const std::size_t perBlock = RecordsPerNodeBlock();
        const std::size_t count = (lines + perBlock - 1) / perBlock;
        for (std::size_t i = 0; i < count; ++i) {
            auto* block = static_cast<volatile std::uint8_t*>(MapAlignedPages(CBlockPool::kSlabSize));
            if (!block) break;
            for (std::size_t page = 0; page < CBlockPool::kSlabSize; page += 4096) block[page] = 0;
            nodeBlocks.push_back(const_cast<std::uint8_t*>(block));
        }
    }

    void Finish()
    {
        if (worker.joinable()) worker.join();
    }

    void Drop()
    {
        Finish();
        if (bytes) UnmapPages(bytes, mapped);
        bytes = nullptr;
        for (void* block : nodeBlocks) UnmapPages(block, CBlockPool::kSlabSize);
        nodeBlocks.clear();
        path.clear();
    }

    ~Prefetch() { Drop(); }
};

Prefetch& Pending()
{
    static Prefetch prefetch;
    return prefetch;
}

bool SameStatus(const FileStatus& a, const FileStatus& b)
{
    return a.size == b.size && a.modifyTime == b.modifyTime && a.modifyNanoseconds == b.modifyNanoseconds;
}

}  // namespace

void StartFilePrefetch(const std::string& path)
{
    Prefetch& prefetch = Pending();
    if (!prefetch.path.empty() || path.empty()) return;
    prefetch.path = path;
    prefetch.worker = std::thread([&prefetch] { prefetch.Read(); });
}

CFileImage* TakePrefetchedImage(const std::string& path, const FileStatus& status)
{
    Prefetch& prefetch = Pending();
    if (prefetch.path.empty()) return nullptr;
    prefetch.Finish();
    CFileImage* image = nullptr;
    if (prefetch.bytes && prefetch.whole && prefetch.path == path && SameStatus(prefetch.status, status)) {
        image = CFileImage::Adopt(prefetch.bytes, prefetch.mapped, prefetch.size);
        if (image) {
            image->binaryByte = prefetch.binary ? 1 : 0;
            prefetch.bytes = nullptr;
            AddNodeMemory(prefetch.nodeBlocks.data(), prefetch.nodeBlocks.size());
            prefetch.nodeBlocks.clear();
        }
    }
    prefetch.Drop();
    return image;
}
