#pragma once
#include <string>

// Small Win32 file helpers shared by the writers of documents and backups.
// Paths are the program's WTF-8 text.

// The file a path finally names: links followed when they lead somewhere,
// else the path itself.
std::string ResolveLinkTarget(const std::string& path);
// Creates a new empty file named `beside` plus a suffix nobody uses, open
// for writing and deleting (a HANDLE), or INVALID_HANDLE_VALUE with the
// system's error set.
void* CreateUniqueFile(const std::string& beside, std::string* name);
// True when both paths name one existing file.
bool SameFile(const std::string& a, const std::string& b);
// Gives an open file (a HANDLE opened with WRITE_DAC) the access rules of
// the file at `model`; false when they could not be read or set.
bool CopyAccessRules(const std::string& model, void* handle);
