#pragma once
#include <filesystem>
#include <string>
#include <vector>

// A fresh folder under the system's temporary folder, removed with its
// contents when the object goes away.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& Path() const { return path_; }
    // A file in the folder, joined with the system's separator.
    std::string File(const std::string& name) const { return path_ + kSeparator + name; }

private:
#ifdef _WIN32
    static constexpr char kSeparator = '\\';
#else
    static constexpr char kSeparator = '/';
#endif
    std::string path_;
};

// Whole-file helpers for tests. Paths are the program's own (on Windows its
// WTF-8), so that any name the program can open, the tests can too.
std::string ReadFileBytes(const std::string& path);
void WriteFileBytes(const std::string& path, const std::string& bytes);
bool FileExists(const std::string& path);
// The names in a folder, sorted.
std::vector<std::string> FolderEntries(const std::string& folder);

// Runs the rest of a scope in another current folder, and goes back after.
class InFolder {
public:
    explicit InFolder(const std::string& folder) : saved_(std::filesystem::current_path())
    {
        std::filesystem::current_path(folder);
    }
    ~InFolder() { std::filesystem::current_path(saved_); }
    InFolder(const InFolder&) = delete;
    InFolder& operator=(const InFolder&) = delete;

private:
    std::filesystem::path saved_;
};
