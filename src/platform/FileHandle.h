#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

// Reading and writing files through the system's own handles. A handle is the system's
// file descriptor or HANDLE; kNoFile (-1 in either) stands for none.
using FileHandle = std::intptr_t;
constexpr FileHandle kNoFile = -1;

// Opens a regular file for reading; kNoFile for anything else (a folder, a
// pipe, a device) and on failure. Never blocks, and lets other programs
// read, write, rename and delete the file meanwhile.
FileHandle OpenForReading(const std::string& path);
// Reads up to `count` bytes: how many were read, 0 at the end of the file,
// -1 on failure.
std::int64_t ReadFromFile(FileHandle handle, void* into, std::size_t count);
void CloseFile(FileHandle handle);
// Writes every byte at the handle's offset, retrying short writes and
// interruptions; false on failure.
bool WriteToFile(FileHandle handle, const void* bytes, std::size_t count);
// Asks the system to start writing `length` bytes from `offset` to the
// disk, without waiting for them; nothing where it has no such request.
void StartWriteback(FileHandle handle, std::uint64_t offset, std::uint64_t length);

// True when a regular file exists at the path (links followed).
bool IsRegularFile(const std::string& path);
// Deletes a file; false when it could not be deleted (or did not exist).
bool RemoveFile(const std::string& path);
// True when anything at all goes by the name (a dangling link included).
bool PathExists(const std::string& path);
// Gives a file another name in the same folder, never replacing what
// already has that name.
enum class MoveResult { Moved, NameTaken, Failed };
MoveResult MoveWithoutReplacing(const std::string& from, const std::string& to);
