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

// The share of the first block's line density that is made ready before the
// whole file is counted: files rarely have fewer lines further on.
constexpr double kEstimateShare = 0.9;

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
    std::vector<void*> earlyBlocks;  // by the second thread while reading

    void Read()
    {
        const FileHandle handle = OpenForReading(path);
        if (handle == kNoFile) return;
        std::thread nodes;
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
                // Fresh memory is slow to touch: the node memory for the
                // lines the first block promises is made ready meanwhile.
                if (!nodes.joinable() && size < capacity) {
                    const double density = static_cast<double>(lineFeeds) / static_cast<double>(size);
                    const auto estimate = static_cast<std::size_t>(kEstimateShare * density * static_cast<double>(capacity));
                    nodes = std::thread([this, estimate] { PrepareNodeMemory(estimate, &earlyBlocks); });
                }
            }
            std::uint8_t probe;
            if (whole && ReadFromFile(handle, &probe, 1) != 0) whole = false;  // grown meanwhile
        }
        CloseFile(handle);
        if (nodes.joinable()) nodes.join();
        nodeBlocks.swap(earlyBlocks);
        if (whole) PrepareNodeMemory(lineFeeds + 1, &nodeBlocks);
    }

    // Touches the memory for `records` nodes in all (counting what `blocks`
    // holds), so that the load finds it ready instead of waiting for fresh
    // pages.
    static void PrepareNodeMemory(std::size_t records, std::vector<void*>* blocks)
    {
        const std::size_t perBlock = RecordsPerNodeBlock();
        const std::size_t count = (records + perBlock - 1) / perBlock;
        while (blocks->size() < count) {
            auto* block = static_cast<volatile std::uint8_t*>(MapAlignedPages(CBlockPool::kSlabSize));
            if (!block) break;
            for (std::size_t page = 0; page < CBlockPool::kSlabSize; page += 4096) block[page] = 0;
            blocks->push_back(const_cast<std::uint8_t*>(block));
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
