#include <gtest/gtest.h>

#include <filesystem>

#include "platform/InstanceLock.h"
#include "support/TempDir.h"
#ifndef _WIN32
#include "support/ChildProcess.h"
#endif

namespace {

using State = CInstanceLock::State;

TEST(InstanceLock, IsHeldByOneLockAtATimeAcrossProcessesAndGoesWithItsFile)
{
    TempDir dir;
    const std::string path = dir.File(".doc.txt.tbsav.lock");
    CInstanceLock first;
    CInstanceLock second;
    EXPECT_EQ(State::Held, first.Acquire(path));
    // Two locks in one process conflict as two instances do.
    EXPECT_EQ(State::HeldElsewhere, second.Acquire(path));
#ifndef _WIN32
    EXPECT_EQ("", RunInChild([&] {
        CInstanceLock other;
        return other.Acquire(path) == State::HeldElsewhere ? "" : "the lock was free for another process";
    }));
#endif
    first.Release();
    EXPECT_FALSE(FileExists(path));
    EXPECT_EQ(State::Held, second.Acquire(path));
    EXPECT_TRUE(FileExists(path));
}

TEST(InstanceLock, ALeftLockFileIsFreeAndARelativeNameIsRemovedWhereItWasTaken)
{
    TempDir first;
    TempDir second;
    const std::filesystem::path saved = std::filesystem::current_path();
    std::filesystem::current_path(first.Path());
    WriteFileBytes(".Untitled.tbsav.lock", "");
    CInstanceLock lock;
    EXPECT_EQ(State::Held, lock.Acquire(".Untitled.tbsav.lock"));
    std::filesystem::current_path(second.Path());
    WriteFileBytes(".Untitled.tbsav.lock", "");
    EXPECT_EQ(State::Unavailable, lock.Acquire("gone/.doc.lock"));  // lets go of the first
    std::filesystem::current_path(saved);
    EXPECT_FALSE(FileExists(first.File(".Untitled.tbsav.lock")));
    EXPECT_TRUE(FileExists(second.File(".Untitled.tbsav.lock")));
}

}  // namespace
