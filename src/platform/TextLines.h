#pragma once
#include <string>
#include <vector>

// For the small line-based text files the platform layer reads: desktop
// entries, mimeapps.list, the MIME database, user-dirs.dirs, .reg files.

// The text without spaces and tabs around it, nor a CR at its end.
std::string TrimBlanks(const std::string& text);
// The lines of `text`, split at LF, each without its LF and a CR before it;
// a last line without LF counts, an LF at the very end adds no empty line.
std::vector<std::string> TextLines(const std::string& text);
