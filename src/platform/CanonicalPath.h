#pragma once
#include <string>

// The canonical long form of a file path: absolute, with links and "." and
// ".." resolved. Answers false, leaving `resolved` untouched, when the path
// cannot be resolved (for example because it does not exist).
bool CanonicalPath(const std::string& path, std::string* resolved);
