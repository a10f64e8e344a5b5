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
    std::vector<CFileImage*>& images = Images();
    auto* image = new (std::nothrow) CFileImage;
    if (!image) return nullptr;
    // One byte more, so that even an empty record at the end points inside.
    image->mapped_ = capacity + 1;
    image->bytes_ = static_cast<std::uint8_t*>(MapPages(image->mapped_));
    if (!image->bytes_) {
        delete image;
        return nullptr;
    }
    image->capacity_ = capacity;
    image->holders_ = 1;
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
    images.erase(std::find(images.begin(), images.end(), this));
    UnmapPages(bytes_, mapped_);
    delete this;
}
