// Replays every seed and every kept crash input through its fuzz target.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
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
    ASSERT_FALSE(Entries().empty());
    int replayed = 0;
    for (const auto& [name, entry] : Entries()) {
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
                ++replayed;
            }
        }
    }
    EXPECT_GT(replayed, 0);
}
