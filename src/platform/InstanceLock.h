#pragma once
#include <cstdint>
#include <string>

// A lock that a running instance of the program holds for as long as it
// works on a document, so that another instance can tell that the
// document's autosave copy is in use. It is taken on a small lock file of
// its own (never on the copy, which each autosave replaces, nor on the
// document's file), made when missing and removed again on release; the
// system lets go of it when the process ends in any way. Two locks on one
// name conflict whether they are held by two processes or by one.
//
// One interface, implemented for each system in platform/posix and
// platform/win.
class CInstanceLock {
public:
    enum class State {
        Free,         // nothing asked for
        Held,         // this object holds the lock
        HeldElsewhere,  // another lock (another instance) holds it
        Unavailable,  // the lock file cannot be made or opened
    };

    CInstanceLock() = default;
    ~CInstanceLock() { Release(); }
    CInstanceLock(CInstanceLock&& other) noexcept;
    CInstanceLock& operator=(CInstanceLock&& other) noexcept;
    CInstanceLock(const CInstanceLock&) = delete;
    CInstanceLock& operator=(const CInstanceLock&) = delete;

    // Lets go of any lock held, then tries to take the one at `lockPath`
    // without waiting.
    State Acquire(const std::string& lockPath);
    // Removes the lock file and lets go of the lock; nothing when none is held.
    void Release();

    State state() const { return state_; }
    // The lock file last asked for; empty when none.
    const std::string& path() const { return path_; }

private:
    std::intptr_t handle_ = -1;
    State state_ = State::Free;
    std::string path_;
    // The held lock file's full path, so that a change of the current
    // folder cannot make its removal hit another file.
    std::string fullPath_;
};
