#pragma once
#include <functional>
#include <string>

// Edits of a mimeapps.list text (the user's file-type associations) that
// touch only the lines of the associations they change: every other byte of
// the text, comments, other groups and lines the reader does not understand
// included, stays as it was.
//
// Readers merge groups of one name, and of a key named twice the last line
// counts; so the line of a type that readers honour is its last one.

// Adds the desktop entry `desktopId` to the honoured "Added Associations"
// line of `mimeType`, creating the line or the group when missing, and takes
// it out of the type's "Removed Associations" (adding is the user's explicit
// choice). Unchanged when both hold already.
std::string AddMimeAssociation(const std::string& text, const std::string& mimeType,
                               const std::string& desktopId);
// Removes `desktopId` from every "Added Associations" line of `mimeType`. A
// line left without entries goes, unless an earlier line of the type would
// then be honoured in its place: it stays as "type=".
std::string RemoveMimeAssociation(const std::string& text, const std::string& mimeType,
                                  const std::string& desktopId);
// Removes every desktop entry for which `remove` answers true from all the
// "Added Associations", emptied lines as above.
std::string RemoveMimeAssociations(const std::string& text,
                                   const std::function<bool(const std::string& desktopId)>& remove);
// Whether `desktopId` is on the honoured "Added Associations" line of
// `mimeType`.
bool HasMimeAssociation(const std::string& text, const std::string& mimeType, const std::string& desktopId);
