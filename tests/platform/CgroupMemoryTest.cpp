#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <limits>
#include <string>

#include "platform/CgroupMemory.h"
#include "support/TempDir.h"

namespace {

constexpr std::uint64_t kUnlimited = std::numeric_limits<std::uint64_t>::max();
constexpr std::uint64_t kGiB = std::uint64_t{1} << 30;

// A group below `root` with its limit ("max" for none), use and page cache.
void Group(const TempDir& root, const std::string& path, const std::string& max, std::uint64_t current,
           std::uint64_t file)
{
    const std::string folder = root.Path() + path;
    std::filesystem::create_directories(folder);
    WriteFileBytes(folder + "/memory.max", max + "\n");
    WriteFileBytes(folder + "/memory.current", std::to_string(current) + "\n");
    WriteFileBytes(folder + "/memory.stat", "anon 1\nfile " + std::to_string(file) + "\nkernel 5\n");
}

// The room for a process whose list of groups reads `groups`.
std::uint64_t RoomFor(const TempDir& root, const std::string& groups)
{
    const std::string list = root.File("cgroup");
    WriteFileBytes(list, groups);
    return CgroupMemoryRoom(root.Path(), list);
}

// The tightest group on the way up counts, and page cache counts as room:
// a file just read fills the cache of the group that read it.
TEST(CgroupMemory, TheTightestGroupAboveTheProcessLimitsTheRoom)
{
    TempDir root;
    Group(root, "/box", std::to_string(16 * kGiB), 10 * kGiB, 6 * kGiB);   // room 12 GiB
    Group(root, "/box/app", std::to_string(20 * kGiB), 9 * kGiB, 6 * kGiB);  // room 17 GiB
    Group(root, "/box/app/main", "max", 9 * kGiB, 6 * kGiB);
    EXPECT_EQ(12 * kGiB, RoomFor(root, "0::/box/app/main\n"));

    // Used past the limit (cache not counted): no room, not a wrapped count.
    Group(root, "/box", std::to_string(4 * kGiB), 9 * kGiB, 1 * kGiB);
    EXPECT_EQ(0u, RoomFor(root, "0::/box/app/main\n"));
}

TEST(CgroupMemory, NoLimitOrNothingReadableLeavesTheSystemToSay)
{
    TempDir root;
    Group(root, "/user.slice", "max", 2 * kGiB, 0);
    EXPECT_EQ(kUnlimited, RoomFor(root, "0::/user.slice\n"));
    EXPECT_EQ(kUnlimited, RoomFor(root, "0::/\n"));
    EXPECT_EQ(kUnlimited, RoomFor(root, "12:memory:/old/hierarchy\n"));
    EXPECT_EQ(kUnlimited, RoomFor(root, ""));
    EXPECT_EQ(kUnlimited, RoomFor(root, "0::/not/there\n"));
    Group(root, "/odd", "lots", 1, 0);
    EXPECT_EQ(kUnlimited, RoomFor(root, "0::/odd\n"));
    // A path that would leave the cgroup folder is not followed.
    Group(root, "/x", "100", 50, 0);
    WriteFileBytes(root.File("cgroup"), "0::/../x\n");
    EXPECT_EQ(kUnlimited, CgroupMemoryRoom(root.Path() + "/x", root.File("cgroup")));
}

// The memory controller of version 1 has a hierarchy and files of its own.
TEST(CgroupMemory, Version1ControllerLimitsTheRoomToo)
{
    TempDir root;
    const std::string folder = root.Path() + "/memory/docker/abc";
    std::filesystem::create_directories(folder);
    WriteFileBytes(folder + "/memory.limit_in_bytes", std::to_string(8 * kGiB) + "\n");
    WriteFileBytes(folder + "/memory.usage_in_bytes", std::to_string(7 * kGiB) + "\n");
    WriteFileBytes(folder + "/memory.stat", "cache 1\nrss 2\ntotal_cache " + std::to_string(3 * kGiB) + "\n");
    EXPECT_EQ(4 * kGiB, RoomFor(root, "5:cpu,memory:/docker/abc\n1:name=systemd:/\n0::/\n"));
    // Unlimited at the top: the kernel writes a number near 2^63.
    WriteFileBytes(folder + "/memory.limit_in_bytes", "9223372036854771712\n");
    EXPECT_LT(std::uint64_t{9223372036854771712} - 8 * kGiB,
              RoomFor(root, "4:memory:/docker/abc\n0::/\n"));
}

}  // namespace
