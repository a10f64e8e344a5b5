#pragma once
#include <cstdio>
#include <string>
#include <vector>

// The two questions a program answers on its command line without opening
// a window: "--help" and "--version". They are answered before the toolkit
// starts, so they work without a display.
enum class InfoRequest { None, Help, Version };

// The first "--help" or "--version" among the arguments (without the
// program name). Every other argument, "-help" or "/help" included, is left
// to the command-line parser as before.
InfoRequest FindInfoRequest(const std::vector<std::string>& args);

// The program's version, as project() in the build files gives it.
const char* ProgramVersion();
std::string UsageText();
std::string VersionText();

// Writes the answer to `out`; false when it could not be written whole.
bool WriteInfo(InfoRequest request, std::FILE* out);
