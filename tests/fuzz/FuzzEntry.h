#pragma once
// One fuzz target per file. Built with TABULON_LIBFUZZER the entry becomes
// libFuzzer's LLVMFuzzerTestOneInput; otherwise it registers itself so that
// the normal test suite replays the seeds and every crash input kept under
// tests/fuzz/regressions/<target>/.
#include <cstddef>
#include <cstdint>

using FuzzEntryFunction = int (*)(const std::uint8_t* data, std::size_t size);

// Reports a broken property: aborts under libFuzzer, fails the test otherwise.
[[noreturn]] void FuzzCheckFailed(const char* condition, const char* file, int line);
#define FUZZ_CHECK(condition) \
    do { \
        if (!(condition)) FuzzCheckFailed(#condition, __FILE__, __LINE__); \
    } while (0)

#ifdef TABULON_LIBFUZZER
#define TABULON_FUZZ_ENTRY(name) \
    extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
#else
struct FuzzRegistrar {
    FuzzRegistrar(const char* name, FuzzEntryFunction entry);
};
#define TABULON_FUZZ_ENTRY(name) \
    static int FuzzEntry_##name(const std::uint8_t* data, std::size_t size); \
    static FuzzRegistrar fuzzRegistrar_##name(#name, FuzzEntry_##name); \
    static int FuzzEntry_##name(const std::uint8_t* data, std::size_t size)
#endif
