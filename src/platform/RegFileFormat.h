#pragma once
#include <string>

#include "platform/RegistryTree.h"

// The text form of a registry store: the "Windows Registry Editor Version
// 5.00" export format. Strings are kept as the bytes they hold (UTF-8 here).
extern const char kRegFileHeader[];

// Parses a whole store. Answers false, leaving `tree` empty, when any line
// cannot be understood, is longer than 1 MiB (continuation lines included)
// or names a key past the limits of RegistryTree.h: a store is taken whole
// or not at all.
bool ParseRegFile(const std::string& text, RegistryTree* tree);

// Writes every key below the three roots, in tree order.
std::string FormatRegFile(const RegistryTree& tree);
