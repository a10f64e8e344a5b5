#pragma once
#include <string>

// Small POSIX file helpers shared by the stores that keep text files.
enum class ReadResult { Ok, Missing, Failed };

ReadResult ReadWholeFile(const std::string& path, std::string* text);
// Creates the folders above path as needed.
bool MakeParentDirectories(const std::string& path);
// Writes text to a temporary file beside path, flushes it and renames it over
// path; on failure the old file is untouched and the temporary file removed.
bool WriteFileAtomically(const std::string& path, const std::string& text);
