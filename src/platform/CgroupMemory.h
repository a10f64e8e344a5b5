#pragma once
#include <cstdint>
#include <string>

// The memory a Linux control group still lets this process take: a program
// in a container or a systemd slice with a memory limit is killed at that
// limit, however much memory the system has available.
//
// `groupList` is the file that lists the process's groups
// (/proc/self/cgroup), `root` the folder the cgroup file systems are mounted
// in (the memory controller of version 1 in its "memory" folder). For the process's group and every group above it
// with a limit ("memory.max", or "memory.limit_in_bytes"), the room is the
// limit less what the group uses ("memory.current", "memory.usage_in_bytes")
// plus its page cache ("file" or "total_cache" in "memory.stat"), which the
// kernel gives up before it kills. The smallest room wins; the largest value
// when no limit applies or nothing can be read.
std::uint64_t CgroupMemoryRoom(const std::string& root, const std::string& groupList);
