#include "platform/posix/FileRegistry.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/RegFileFormat.h"
#include "platform/posix/PosixFiles.h"

CFileRegistry::CFileRegistry(std::string path) : path_(std::move(path))
{
    std::string text;
    switch (ReadWholeFile(path_, &text)) {
    case ReadResult::Ok:
        unreadable_ = !ParseRegFile(text, &Tree());
        break;
    case ReadResult::Missing:
        break;
    case ReadResult::Failed:
        unreadable_ = true;
        break;
    }
}

CFileRegistry::~CFileRegistry()
{
    if (Dirty()) Commit();
}

void CFileRegistry::DiscardUnreadable()
{
    if (!unreadable_) return;
    Tree().Clear();
    unreadable_ = false;
    keepAside_ = true;
}

void CFileRegistry::Commit()
{
    if (unreadable_) return;
    if (!MakeParentDirectories(path_)) return;
    if (keepAside_) {
        // Keep the copy the program could not read, for the user to inspect.
        std::string aside(path_);
        aside.append(".unreadable");
        if (::rename(path_.c_str(), aside.c_str()) != 0 && errno != ENOENT) return;
        keepAside_ = false;
    }
    if (WriteFileAtomically(path_, FormatRegFile(Tree()))) SetDirty(false);
}

std::string DefaultRegistryPath()
{
    auto env = [](const char* name) {
        const char* value = std::getenv(name);
        return std::string(value ? value : "");
    };
    std::string path = env("TABULON_REGISTRY");
    if (!path.empty()) return path;
    std::string base = env("XDG_CONFIG_HOME");
    if (base.empty()) {
        std::string home = env("HOME");
        base = home.empty() ? std::string(".") : home + "/.config";
    }
    return base + "/tabulon/registry.reg";
}
