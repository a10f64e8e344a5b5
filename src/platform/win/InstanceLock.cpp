#include "platform/InstanceLock.h"

#include <windows.h>

#include "platform/win/WideText.h"

// The lock is the lock file opened without sharing: another open of it
// fails with a sharing violation until the handle is closed, and the system
// deletes the file when that happens, also when the process is ended.

CInstanceLock::State CInstanceLock::Acquire(const std::string& lockPath)
{
    Release();
    path_ = lockPath;
    const HANDLE file = ::CreateFileW(WidePath(lockPath).c_str(), GENERIC_READ | GENERIC_WRITE | DELETE, 0, nullptr,
                                      OPEN_ALWAYS, FILE_ATTRIBUTE_HIDDEN | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        // A lock file that is about to be deleted refuses access too.
        const DWORD error = ::GetLastError();
        const bool exists = ::GetFileAttributesW(WidePath(lockPath).c_str()) != INVALID_FILE_ATTRIBUTES;
        const bool held = error == ERROR_SHARING_VIOLATION || (error == ERROR_ACCESS_DENIED && exists);
        state_ = held ? State::HeldElsewhere : State::Unavailable;
        return state_;
    }
    handle_ = reinterpret_cast<std::intptr_t>(file);
    state_ = State::Held;
    return state_;
}

void CInstanceLock::Release()
{
    if (handle_ != -1) ::CloseHandle(reinterpret_cast<HANDLE>(handle_));
    handle_ = -1;
    state_ = State::Free;
    path_.clear();
}
