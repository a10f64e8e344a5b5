#include "commands/FindHistory.h"

#include <algorithm>

namespace {

// Letter case is ignored for ASCII letters; other bytes compare as they are.
bool SameIgnoringCase(const std::string& a, const std::string& b)
{
    auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [&](char x, char y) { return lower(x) == lower(y); });
}

}  // namespace

void AddToHistory(std::vector<std::string>& items, const std::string& text)
{
    if (text.empty()) return;
    const auto same = std::find_if(items.begin(), items.end(),
                                   [&](const std::string& item) { return SameIgnoringCase(item, text); });
    if (same == items.begin() && same != items.end()) return;  // at the top already
    if (same != items.end()) items.erase(same);
    items.insert(items.begin(), text);
    if (items.size() > kHistoryLength) items.resize(kHistoryLength);
}

std::vector<std::string> HistoryItems(const Settings::History& stored)
{
    std::vector<std::string> items;
    for (const std::string& text : stored) {
        if (text.empty()) break;
        items.push_back(text);
    }
    return items;
}

void StoreHistory(const std::vector<std::string>& items, Settings::History& stored)
{
    for (std::size_t i = 0; i < stored.size(); ++i) stored[i] = i < items.size() ? items[i] : std::string();
}
