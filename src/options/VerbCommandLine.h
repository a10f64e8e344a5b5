#pragma once
#include <string>

#include "options/FileTypeEntry.h"

// The command line of the program's verb on a file type, in the system's
// form (platform/VerbCommandSyntax.h): the program path quoted, the view
// switches -h and -s, the open mode (-d, -u, or -w and the width) and the
// file (%f in a desktop entry's Exec line, "%1" for the Windows shell).
std::string BuildVerbCommand(const std::string& programPath, const FileTypeEntry& entry);

// Reads the switches of a verb command back into the entry's hex, source,
// mode and width. Only the arguments after the program path are looked at,
// so a hyphen in the path (/opt/my-data/tabulon) is never taken for a
// switch: every "-" there with the letter after it counts (d DOS, u UNIX,
// s source, h hex, w and the number after it the width). DOS wins over
// UNIX, and both over a width. A width that a 16-bit record width cannot
// hold reads as 64, a negative one as none.
void ReadVerbCommand(const std::string& command, FileTypeEntry* entry);

// The Mode column: "AUTO", "DOS", "UNIX" or "BINARY-<width>".
std::string VerbModeText(const FileTypeEntry& entry);

// The width the Width field gives for BINARY: its number as a 16-bit value,
// 64 when that is 0 or less (so empty, 0 and 40000 all give 64).
std::int16_t BinaryWidthFromField(const std::string& text);
