#pragma once
#include <string>

// Small POSIX file helpers shared by the stores that keep text files and by
// the writers of documents.
enum class ReadResult { Ok, Missing, Failed };

ReadResult ReadWholeFile(const std::string& path, std::string* text);
// Creates the folders above path as needed.
bool MakeParentDirectories(const std::string& path);
// Writes text to a temporary file beside path, flushes it and renames it over
// path; on failure the old file is untouched and the temporary file removed.
bool WriteFileAtomically(const std::string& path, const std::string& text);

// The file a path finally names: symbolic links followed when they lead
// somewhere, else the path itself.
std::string ResolveLinkTarget(const std::string& path);
// Creates a new empty file named `beside` plus a suffix nobody uses, with
// 0666 less the umask. The handle, or -1 with errno set.
int CreateUniqueFile(const std::string& beside, std::string* name);
// Flushes the folder entry of a renamed or created file.
void SyncFolderOf(const std::string& path);
// True when both paths name one existing file (the same inode).
bool SameFile(const std::string& a, const std::string& b);
