#include "platform/CgroupMemory.h"

#include <algorithm>
#include <charconv>
#include <fstream>
#include <limits>
#include <sstream>
#include <string_view>

namespace {

constexpr std::uint64_t kUnlimited = std::numeric_limits<std::uint64_t>::max();

bool ReadNumber(const std::string& text, std::uint64_t& value)
{
    const char* first = text.data();
    const char* last = first + text.size();
    while (last > first && (last[-1] == '\n' || last[-1] == ' ')) --last;
    return first != last && std::from_chars(first, last, value).ptr == last;
}

std::string ReadText(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    if (in) text << in.rdbuf();
    return text.str();
}

// The files a memory controller keeps its figures in.
struct ControllerFiles {
    const char* limit;
    const char* usage;
    const char* cacheLine;  // the line of memory.stat that counts the page cache
};
constexpr ControllerFiles kUnified{"/memory.max", "/memory.current", "file "};
constexpr ControllerFiles kVersion1{"/memory.limit_in_bytes", "/memory.usage_in_bytes", "total_cache "};

// A memory.stat's page cache, which the kernel can reclaim.
std::uint64_t PageCache(const std::string& stat, const std::string& name)
{
    std::istringstream lines(stat);
    std::string line;
    std::uint64_t bytes = 0;
    while (std::getline(lines, line))
        if (line.rfind(name, 0) == 0 && ReadNumber(line.substr(name.size()), bytes)) return bytes;
    return 0;
}

// The room one group leaves; kUnlimited without a limit it can read.
std::uint64_t GroupRoom(const std::string& folder, const ControllerFiles& files)
{
    std::uint64_t limit = 0;
    std::uint64_t used = 0;
    if (!ReadNumber(ReadText(folder + files.limit), limit)) return kUnlimited;  // "max" or none
    if (!ReadNumber(ReadText(folder + files.usage), used)) return kUnlimited;
    const std::uint64_t held = used - std::min(used, PageCache(ReadText(folder + "/memory.stat"), files.cacheLine));
    return limit > held ? limit - held : 0;
}

// The smallest room of the group at `group` (below `mount`) and the groups
// above it.
std::uint64_t RoomUpFrom(const std::string& mount, const std::string& group, const ControllerFiles& files)
{
    if (group.empty() || group[0] != '/' || group.find("/..") != std::string::npos) return kUnlimited;
    std::uint64_t room = kUnlimited;
    std::size_t end = group.size();
    while (end > 1) {
        room = std::min(room, GroupRoom(mount + group.substr(0, end), files));
        end = group.rfind('/', end - 1);
        if (end == 0 || end == std::string::npos) break;
    }
    return room;
}

// Whether a list of controllers ("cpu,memory") holds the memory controller.
bool NamesMemory(std::string_view controllers)
{
    while (!controllers.empty()) {
        const std::size_t comma = controllers.find(',');
        if (controllers.substr(0, comma) == "memory") return true;
        if (comma == std::string_view::npos) break;
        controllers.remove_prefix(comma + 1);
    }
    return false;
}

}  // namespace

std::uint64_t CgroupMemoryRoom(const std::string& root, const std::string& groupList)
{
    // "0::/path" names the group in the unified hierarchy; "4:memory:/path"
    // (controllers separated by commas) in the memory controller's own.
    std::istringstream lines(ReadText(groupList));
    std::string line;
    std::uint64_t room = kUnlimited;
    while (std::getline(lines, line)) {
        const std::size_t colon = line.find(':');
        const std::size_t second = colon == std::string::npos ? colon : line.find(':', colon + 1);
        if (second == std::string::npos) continue;
        const std::string group = line.substr(second + 1);
        if (line.rfind("0::", 0) == 0)
            room = std::min(room, RoomUpFrom(root, group, kUnified));
        else if (NamesMemory(std::string_view(line).substr(colon + 1, second - colon - 1)))
            room = std::min(room, RoomUpFrom(root + "/memory", group, kVersion1));
    }
    return room;
}
