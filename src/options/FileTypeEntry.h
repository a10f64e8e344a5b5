#pragma once
#include <cstdint>
#include <string>

// One row of the File Types dialog: a file type with all its extensions and
// the program's verb on it.
struct FileTypeEntry {
    std::string extensions;   // each extension after one blank: " .c .h"
    std::string typeName;     // the system's name of the type
    std::string description;  // as shown in the Description column
    bool enabled = false;     // the verb exists
    bool hex = false;         // the verb opens in hex view (-h)
    bool source = false;      // the verb opens in source view (-s)
    std::uint16_t mode = 0;   // 0 AUTO or BINARY, 1 DOS text, 2 UNIX text
    std::int16_t width = 0;   // 0 not BINARY, else the record width
};
