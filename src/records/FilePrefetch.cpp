#include "records/FilePrefetch.h"

#include <algorithm>
#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "platform/FileHandle.h"
#include "platform/PageMemory.h"
#include "records/BlockPool.h"
#include "records/FileImage.h"
#include "records/LoadMemory.h"
#include "records/RecordFile.h"
#include "records/RecordStorage.h"

namespace {

// The share of the first block's line density that is made ready before the
// whole file is counted: files rarely have fewer lines further on.
constexpr double kEstimateShare = 0.9;
constexpr std::size_t kBlock = 8 << 20;
constexpr std::size_t kPage = 4096;

// One read ahead. Touched by the worker (and its helper) until it is
// joined, then by the user-interface thread only.
struct Prefetch {
    std::string path;
    std::thread worker;
    FileStatus status;
    std::uint8_t* bytes = nullptr;
    std::size_t mapped = 0;
    std::size_t size = 0;
    bool whole = false;
    bool binary = false;
    std::uint64_t lineFeeds = 0;
    std::vector<void*> nodeBlocks;
    std::vector<void*> earlyBlocks;  // by the second thread while reading

    // Between the reader and the second thread.
    std::mutex mutex;
    std::condition_variable changed;
    bool backHalfReady = false;
    bool estimateKnown = false;
    std::size_t estimate = 0;

    void Read()
    {
        const FileHandle handle = OpenForReading(path);
        if (handle == kNoFile) return;
        std::thread helper;
        // A file that does not fit in memory is left to the load to refuse.
        if (ReadFileStatus(handle, &status) && status.size > 0 &&
            static_cast<std::uint64_t>(status.size) < SIZE_MAX / 2 &&
            MemoryAvailableFor(static_cast<std::uint64_t>(status.size) + 1)) {
            mapped = static_cast<std::size_t>(status.size) + 1;
            bytes = static_cast<std::uint8_t*>(MapPages(mapped));
            whole = bytes != nullptr;
            const std::size_t capacity = static_cast<std::size_t>(status.size);
            // Fresh memory is slow to touch: a second thread touches the
            // back half of the image while this one reads into the front
            // half, then the node memory for the lines the first block
            // promises.
            std::size_t half = capacity;
            if (whole && capacity >= 4 * kBlock) {
                half = capacity / 2 / kPage * kPage;
                helper = std::thread([this, half, capacity] { Help(half, capacity); });
            }
            // Each block is looked at while it is fresh in the cache: the
            // load's detection and node count need not read it again.
            while (whole && size < capacity) {
                if (size == half) WaitForBackHalf();
                const std::size_t end = size < half ? half : capacity;
                const std::int64_t got = ReadFromFile(handle, bytes + size, std::min(kBlock, end - size));
                if (got <= 0) {
                    whole = false;
                    break;
                }
                ScanBytes(bytes + size, static_cast<std::size_t>(got), lineFeeds, binary);
                size += static_cast<std::size_t>(got);
                if (helper.joinable() && !estimateKnown) {
                    const double density = static_cast<double>(lineFeeds) / static_cast<double>(size);
                    SetEstimate(static_cast<std::size_t>(kEstimateShare * density * static_cast<double>(capacity)));
                }
            }
            std::uint8_t probe;
            if (whole && ReadFromFile(handle, &probe, 1) != 0) whole = false;  // grown meanwhile
        }
        CloseFile(handle);
        if (helper.joinable()) {
            SetEstimate(0);  // in case reading stopped before the first block
            helper.join();
        }
        nodeBlocks.swap(earlyBlocks);
        if (whole) PrepareNodeMemory(lineFeeds + 1, &nodeBlocks);
    }

    // The second thread: touches the image from `half` to `capacity`, which
    // the reader leaves alone until it is told, then the node memory.
    void Help(std::size_t half, std::size_t capacity)
    {
        volatile std::uint8_t* image = bytes;
        for (std::size_t at = half; at < capacity; at += kPage) image[at] = 0;
        std::size_t records = 0;
        {
            std::unique_lock<std::mutex> lock(mutex);
            backHalfReady = true;
            changed.notify_all();
            changed.wait(lock, [this] { return estimateKnown; });
            records = estimate;
        }
        PrepareNodeMemory(records, &earlyBlocks);
    }

    void WaitForBackHalf()
    {
        std::unique_lock<std::mutex> lock(mutex);
        changed.wait(lock, [this] { return backHalfReady; });
    }

    void SetEstimate(std::size_t records)
    {
        const std::lock_guard<std::mutex> lock(mutex);
        if (estimateKnown) return;
        estimate = records;
        estimateKnown = true;
        changed.notify_all();
    }

    // Touches the memory for `records` nodes in all (counting what `blocks`
    // holds), so that the load finds it ready instead of waiting for fresh
    // pages. Nothing more when it is not available: the load then refuses
    // the file.
    static void PrepareNodeMemory(std::size_t records, std::vector<void*>* blocks)
    {
        const std::size_t perBlock = RecordsPerNodeBlock();
        const std::size_t count = (records + perBlock - 1) / perBlock;
        if (count <= blocks->size() || !MemoryAvailableFor((count - blocks->size()) * CBlockPool::kSlabSize)) return;
        while (blocks->size() < count) {
            auto* block = static_cast<volatile std::uint8_t*>(MapAlignedPages(CBlockPool::kSlabSize));
            if (!block) break;
            for (std::size_t page = 0; page < CBlockPool::kSlabSize; page += kPage) block[page] = 0;
            blocks->push_back(const_cast<std::uint8_t*>(block));
        }
    }

    void Finish()
    {
        if (worker.joinable()) worker.join();
    }

    ~Prefetch()
    {
        Finish();
        if (bytes) UnmapPages(bytes, mapped);
        for (void* block : nodeBlocks) UnmapPages(block, CBlockPool::kSlabSize);
    }
};

// The read ahead not yet taken or given up.
std::unique_ptr<Prefetch>& Pending()
{
    static std::unique_ptr<Prefetch> pending;
    return pending;
}

}  // namespace

void StartFilePrefetch(const std::string& path)
{
    std::unique_ptr<Prefetch>& pending = Pending();
    if (pending || path.empty()) return;
    pending = std::make_unique<Prefetch>();
    pending->path = path;
    Prefetch* prefetch = pending.get();
    prefetch->worker = std::thread([prefetch] { prefetch->Read(); });
}

CFileImage* TakePrefetchedImage(const std::string& path, const FileStatus& status)
{
    std::unique_ptr<Prefetch> prefetch = std::move(Pending());
    if (!prefetch) return nullptr;
    prefetch->Finish();
    CFileImage* image = nullptr;
    if (prefetch->bytes && prefetch->whole && prefetch->path == path && SameContentsStatus(prefetch->status, status)) {
        image = CFileImage::Adopt(prefetch->bytes, prefetch->mapped, prefetch->size);
        if (image) {
            image->binaryByte = prefetch->binary ? 1 : 0;
            image->lineFeeds = static_cast<std::int64_t>(prefetch->lineFeeds);
            prefetch->bytes = nullptr;
            AddNodeMemory(prefetch->nodeBlocks.data(), prefetch->nodeBlocks.size());
            prefetch->nodeBlocks.clear();
        }
    }
    return image;  // the rest goes with `prefetch`
}
