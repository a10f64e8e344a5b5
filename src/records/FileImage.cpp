#include "records/FileImage.h"

#include <algorithm>
#include <new>
#include <vector>

#include "platform/PageMemory.h"

namespace {

// Never destroyed: records may be freed by static objects that go away
// after this unit's statics.
std::vector<CFileImage*>& Images()
{
    static auto* images = new std::vector<CFileImage*>;
    return *images;
}

}  // namespace

CFileImage* CFileImage::Create(std::size_t capacity)
{
    // One byte more, so that even an empty record at the end points inside.
    auto* bytes = static_cast<std::uint8_t*>(MapPages(capacity + 1));
    if (!bytes) return nullptr;
    CFileImage* image = Adopt(bytes, capacity + 1, 0);
    if (!image) UnmapPages(bytes, capacity + 1);
    return image;
}

CFileImage* CFileImage::Adopt(std::uint8_t* bytes, std::size_t mapped, std::size_t size)
{
    auto* image = new (std::nothrow) CFileImage;
    if (!image) return nullptr;
    image->bytes_ = bytes;
    image->mapped_ = mapped;
    image->capacity_ = mapped - 1;
    image->size = size;
    image->holders_ = 1;
    std::vector<CFileImage*>& images = Images();
    images.reserve(images.size() + 1);
    images.push_back(image);
    return image;
}

CFileImage* CFileImage::Containing(const void* bytes)
{
    const auto* at = static_cast<const std::uint8_t*>(bytes);
    // The newest first: records of the latest load are the ones freed in bulk.
    const std::vector<CFileImage*>& images = Images();
    for (auto it = images.rbegin(); it != images.rend(); ++it) {
        CFileImage* image = *it;
        if (at >= image->bytes_ && at < image->bytes_ + image->mapped_) return image;
    }
    return nullptr;
}

std::size_t CFileImage::LiveCount() { return Images().size(); }

void CFileImage::Release()
{
    if (--holders_ > 0) return;
    std::vector<CFileImage*>& images = Images();
    const auto it = std::find(images.begin(), images.end(), this);
    if (it != images.end()) images.erase(it);
    UnmapPages(bytes_, mapped_);
    delete this;
}
