#pragma once
#include <array>
#include <cstdint>
#include <string>

// The ranges the Options sheet allows; loading keeps the default for a value
// outside them.
inline constexpr int kMinPrintFont = 6;
inline constexpr int kMaxPrintFont = 16;
inline constexpr int kMinTabWidth = 2;
inline constexpr int kMaxTabWidth = 10;

// The program's preferences, one block for the whole run. Field names are the
// registry value names.
struct Settings {
    static constexpr int kHistoryItems = 10;
    using History = std::array<std::string, kHistoryItems>;

    bool autoHex = false;
    bool autoSave = false;
    bool autoSource = false;
    std::int32_t srcMark = 4;
    bool srcSmart = true;
    bool srcType = false;
    bool srcSave = false;
    std::int32_t printFont = 8;
    bool printFile = true;
    bool printPage = true;
    bool printLine = true;
    bool printRuler = false;
    float printLeft = 0.5f;
    float printRight = 0.5f;
    float printTop = 0.5f;
    float printBottom = 0.5f;
    std::string exePath;
    History findItems;
    History replItems;

    // Whether the registry is used at all; never stored. On when the key
    // existed at start-up or the user switched it on since.
    bool registryAccess = false;
};
