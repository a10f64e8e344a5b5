#include "platform/posix/FreedesktopPaths.h"

#include <cstdlib>
#include <pwd.h>
#include <unistd.h>

#include "platform/TextLines.h"
#include "platform/posix/PosixFiles.h"

namespace {

// An environment variable that holds an absolute path; relative ones are
// ignored, as the base-directory rules ask.
bool AbsoluteEnv(const char* name, std::string* value)
{
    const char* text = std::getenv(name);
    if (!text || text[0] != '/') return false;
    *value = text;
    while (value->size() > 1 && value->back() == '/') value->pop_back();
    return true;
}

}  // namespace

std::string HomeFolder()
{
    std::string home;
    if (AbsoluteEnv("HOME", &home)) return home;
    if (const passwd* entry = ::getpwuid(::getuid()); entry && entry->pw_dir) return entry->pw_dir;
    return "/";
}

std::string DataHome()
{
    std::string folder;
    return AbsoluteEnv("XDG_DATA_HOME", &folder) ? folder : HomeFolder() + "/.local/share";
}

std::string ConfigHome()
{
    std::string folder;
    return AbsoluteEnv("XDG_CONFIG_HOME", &folder) ? folder : HomeFolder() + "/.config";
}

std::vector<std::string> DataFolders()
{
    std::vector<std::string> folders{DataHome()};
    const char* dirs = std::getenv("XDG_DATA_DIRS");
    const std::string list = dirs && *dirs ? dirs : "/usr/local/share/:/usr/share/";
    std::size_t pos = 0;
    while (pos <= list.size()) {
        std::size_t colon = list.find(':', pos);
        if (colon == std::string::npos) colon = list.size();
        std::string folder = list.substr(pos, colon - pos);
        while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
        if (!folder.empty() && folder[0] == '/') folders.push_back(folder);
        pos = colon + 1;
    }
    return folders;
}

bool DesktopFolderFromUserDirs(const std::string& text, const std::string& home, std::string* folder)
{
    bool found = false;
    for (const std::string& rawLine : TextLines(text)) {
        const std::string line = TrimBlanks(rawLine);
        const std::string prefix = "XDG_DESKTOP_DIR=";
        if (line.compare(0, prefix.size(), prefix) != 0) continue;
        std::string value = line.substr(prefix.size());
        if (value.size() < 2 || value.front() != '"' || value.back() != '"') continue;
        value = value.substr(1, value.size() - 2);
        std::string path;
        for (std::size_t i = 0; i < value.size(); ++i) {
            if (value[i] == '\\' && i + 1 < value.size()) path += value[++i];
            else path += value[i];
        }
        // Only "$HOME/..." and absolute paths are allowed; the last line wins,
        // as when the shell reads the file.
        if (path == "$HOME" || path.compare(0, 6, "$HOME/") == 0) {
            *folder = home + path.substr(5);
            found = true;
        } else if (!path.empty() && path[0] == '/') {
            *folder = path;
            found = true;
        }
    }
    while (found && folder->size() > 1 && folder->back() == '/') folder->pop_back();
    return found;
}

std::string DesktopFolder()
{
    const std::string home = HomeFolder();
    std::string text;
    std::string folder;
    if (ReadWholeFile(ConfigHome() + "/user-dirs.dirs", &text) == ReadResult::Ok &&
        DesktopFolderFromUserDirs(text, home, &folder))
        return folder;
    if (AbsoluteEnv("XDG_DESKTOP_DIR", &folder)) return folder;
    return home + "/Desktop";
}
