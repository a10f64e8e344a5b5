#include "platform/CanonicalPath.h"

#include <cstdlib>

bool CanonicalPath(const std::string& path, std::string* resolved)
{
    if (path.empty()) return false;
    char* full = ::realpath(path.c_str(), nullptr);
    if (!full) return false;
    *resolved = full;
    std::free(full);
    return true;
}
