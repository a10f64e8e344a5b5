// The settings store is a text file anyone can edit: any content must either
// parse whole or be refused whole, and what parses must write back stably
// and in bounded space (a deep key is written once per level).
#include <string>

#include "FuzzEntry.h"
#include "platform/RegFileFormat.h"

TABULON_FUZZ_ENTRY(registry_store)
{
    std::string text(reinterpret_cast<const char*>(data), size);
    RegistryTree tree;
    if (!ParseRegFile(text, &tree)) {
        for (const auto& root : tree.roots)
            FUZZ_CHECK(root.subKeys.empty() && root.values.empty());  // never half-read
        return 0;
    }
    std::string written = FormatRegFile(tree);
    FUZZ_CHECK(written.size() <= 64 * size);
    RegistryTree again;
    FUZZ_CHECK(ParseRegFile(written, &again));
    FUZZ_CHECK(FormatRegFile(again) == written);
    return 0;
}
