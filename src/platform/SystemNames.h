#pragma once
#include <cstddef>
#include <string>

// How this system names the program's file and the parts of a path.

// The program's file name, which the Installation Path dialog looks for.
extern const char kProgramFileName[];
extern const char kWrongProgram[];
// The file dialog's filter that shows the program's file.
extern const char kProgramFileFilter[];
// What joins a folder and a name.
extern const char kFolderSeparator[];

// The message that refuses a program path from which this system's
// launchers and verbs could not start the program; null when it will do.
const char* ProgramPathRefusal(const std::string& path);

// Where the name of the file begins in a path: after the last separator of
// folders, or 0.
std::size_t FileNameOffset(const std::string& path);
