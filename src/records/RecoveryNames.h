#pragma once
#include <cstdint>
#include <string>

// The names around a document's autosave copy.

// "%s.tbsav" beside the file, or "Untitled.tbsav" in the current folder for
// an untitled document (empty `fileName`).
std::string RecoveryCopyNameFor(const std::string& fileName);
// The lock file of the instance working on the document whose copy this
// is, beside the copy: its name with a dot before and ".lock" after it.
std::string RecoveryLockNameFor(const std::string& copyName);
// The copy's name followed by the local time of `seconds` as
// "-YYYYMMDD-HHMMSS", and by "-2", "-3" ... when `number` is above 1.
std::string StampedCopyName(const std::string& copyName, std::int64_t seconds, int number);
// The first stamped name that nothing goes by.
std::string FreeCopyName(const std::string& copyName, std::int64_t seconds);
// Moves a copy to the first free stamped name, never over another file.
// False, with the copy where it was, when it cannot be moved.
[[nodiscard]] bool MoveCopyAside(const std::string& copyName, std::int64_t seconds, std::string* movedTo);
