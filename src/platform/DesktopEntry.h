#pragma once
#include <string>
#include <utility>
#include <vector>

// The text of freedesktop desktop entries (the .desktop files that launchers,
// menus and file managers read): value escapes, the quoting of Exec
// arguments, and the keys of the [Desktop Entry] group.

// A value as written in the file: backslash, newline, tab and carriage
// return escaped, and a leading blank kept as "\s".
std::string EscapeDesktopValue(const std::string& value);
// The value a line holds, escapes undone; an unknown escape stays as it is.
std::string UnescapeDesktopValue(const std::string& text);

// One argument of an Exec line: enclosed in double quotation marks, with
// the characters the quoting reserves escaped and "%" doubled, so that any
// path (blanks, quotes, dollars, percent signs) reaches the program whole.
std::string QuoteExecArgument(const std::string& argument);
// Splits an Exec line (escapes of the file already undone) into its
// arguments. Field codes such as %f stay as they are; "%%" becomes "%".
// False when a quotation is left open.
bool SplitExecLine(const std::string& exec, std::vector<std::string>* arguments);

// The value of a key of the [Desktop Entry] group, escapes undone; false
// when the group or the key is missing.
bool ReadDesktopEntryKey(const std::string& text, const std::string& key, std::string* value);
// A [Desktop Entry] group with the given keys in order, values escaped.
std::string DesktopEntryText(const std::vector<std::pair<std::string, std::string>>& keys);
