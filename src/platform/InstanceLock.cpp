#include "platform/InstanceLock.h"

#include <utility>

CInstanceLock::CInstanceLock(CInstanceLock&& other) noexcept
    : handle_(std::exchange(other.handle_, -1)), state_(std::exchange(other.state_, State::Free)),
      path_(std::move(other.path_)), fullPath_(std::move(other.fullPath_))
{
    other.path_.clear();
    other.fullPath_.clear();
}

CInstanceLock& CInstanceLock::operator=(CInstanceLock&& other) noexcept
{
    if (this != &other) {
        Release();
        handle_ = std::exchange(other.handle_, -1);
        state_ = std::exchange(other.state_, State::Free);
        path_ = std::move(other.path_);
        fullPath_ = std::move(other.fullPath_);
        other.path_.clear();
        other.fullPath_.clear();
    }
    return *this;
}
