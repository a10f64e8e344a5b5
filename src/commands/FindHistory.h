#pragma once
#include <string>
#include <vector>

#include "settings/Settings.h"

// The search and replacement histories of the Find and Replace dialog:
// newest first, at most ten texts, no two equal without regard to letter
// case.
inline constexpr std::size_t kHistoryLength = Settings::kHistoryItems;

// Puts a non-empty text at the top: a text already there (in any letter
// case) below the top moves up; one at the top already stays as it is.
void AddToHistory(std::vector<std::string>& items, const std::string& text);

// The stored history up to its first empty text, and back (padded with
// empty texts).
std::vector<std::string> HistoryItems(const Settings::History& stored);
void StoreHistory(const std::vector<std::string>& items, Settings::History& stored);
