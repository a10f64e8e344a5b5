#include "support/TempDir.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>

namespace {

// The program's paths as the library's: on Windows its WTF-8 is UTF-8 for
// every name a test uses; elsewhere the bytes are the name.
std::filesystem::path FsPath(const std::string& path)
{
#ifdef _WIN32
    return std::filesystem::path(std::u8string(path.begin(), path.end()));
#else
    return std::filesystem::path(path);
#endif
}

std::string FromFsPath(const std::filesystem::path& path)
{
#ifdef _WIN32
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
#else
    return path.string();
#endif
}

}  // namespace

TempDir::TempDir()
{
    const std::filesystem::path base = std::filesystem::temp_directory_path();
    std::random_device seed;
    std::mt19937_64 random(seed());
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string name = "tabulon-test-" + std::to_string(random() % 1000000000);
        std::error_code error;
        if (std::filesystem::create_directory(base / name, error)) {
            // For the owner alone, as mkdtemp makes it.
            std::filesystem::permissions(base / name, std::filesystem::perms::owner_all,
                                         std::filesystem::perm_options::replace, error);
            path_ = FromFsPath(base / name);
            return;
        }
    }
    std::abort();
}

TempDir::~TempDir()
{
    std::error_code ec;
    std::filesystem::remove_all(FsPath(path_), ec);
}

std::string ReadFileBytes(const std::string& path)
{
    std::ifstream in(FsPath(path), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteFileBytes(const std::string& path, const std::string& bytes)
{
    std::ofstream out(FsPath(path), std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

bool FileExists(const std::string& path) { return std::filesystem::exists(FsPath(path)); }

std::vector<std::string> FolderEntries(const std::string& folder)
{
    std::vector<std::string> names;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(FsPath(folder), error))
        names.push_back(FromFsPath(entry.path().filename()));
    std::sort(names.begin(), names.end());
    return names;
}
