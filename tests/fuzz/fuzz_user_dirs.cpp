// user-dirs.dirs is a shell fragment other programs write: any text gives
// either no desktop folder or an absolute one without a trailing slash.
#include <string>

#include "FuzzEntry.h"
#include "platform/posix/FreedesktopPaths.h"

TABULON_FUZZ_ENTRY(user_dirs)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    std::string folder;
    if (!DesktopFolderFromUserDirs(text, "/home/user", &folder)) return 0;
    FUZZ_CHECK(!folder.empty() && folder[0] == '/');
    FUZZ_CHECK(folder.size() == 1 || folder.back() != '/');
    return 0;
}
