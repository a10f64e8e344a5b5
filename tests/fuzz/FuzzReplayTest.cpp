// Replays every seed and every kept crash input through its fuzz target.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <set>
#include <stdexcept>
#include <string>

#include "FuzzEntry.h"
#include "support/TempDir.h"

namespace {

std::map<std::string, FuzzEntryFunction>& Entries()
{
    static std::map<std::string, FuzzEntryFunction> entries;
    return entries;
}

struct BrokenProperty : std::runtime_error {
    using std::runtime_error::runtime_error;
};

}  // namespace

FuzzRegistrar::FuzzRegistrar(const char* name, FuzzEntryFunction entry) { Entries()[name] = entry; }

// In the test suite a broken property must fail the test, not end the run.
void FuzzCheckFailed(const char* condition, const char* file, int line)
{
    throw BrokenProperty(std::string(file) + ":" + std::to_string(line) + ": " + condition);
}

TEST(FuzzReplay, SeedsAndRegressionsKeepEveryProperty)
{
    namespace fs = std::filesystem;
    const fs::path root = fs::path(TABULON_FUZZ_DIR);
    // Each fuzz_<name>.cpp registers as <name>, the folder its seeds are in.
    std::set<std::string> files;
    std::set<std::string> registered;
    for (const auto& file : fs::directory_iterator(root)) {
        const std::string stem = file.path().stem().string();
        if (file.path().extension() == ".cpp" && stem.starts_with("fuzz_")) files.insert(stem.substr(5));
    }
    for (const auto& entry : Entries()) registered.insert(entry.first);
    ASSERT_FALSE(files.empty());
    EXPECT_EQ(files, registered);
    for (const auto& [name, entry] : Entries()) {
        const fs::path seeds = root / "corpus" / name;
        EXPECT_TRUE(fs::is_directory(seeds) && !fs::is_empty(seeds)) << "no seeds in " << seeds;
        for (const char* folder : {"corpus", "regressions"}) {
            fs::path dir = root / folder / name;
            if (!fs::is_directory(dir)) continue;
            for (const auto& file : fs::directory_iterator(dir)) {
                std::string bytes = ReadFileBytes(file.path().string());
                try {
                    entry(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
                } catch (const BrokenProperty& broken) {
                    ADD_FAILURE() << file.path() << ": " << broken.what();
                }
            }
        }
    }
}
