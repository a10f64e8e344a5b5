#pragma once
#include <functional>
#include <string>

// Edits of a mimeapps.list text (the user's file-type associations) that
// touch only the lines of the associations they change: every other byte of
// the text, comments, other groups and lines the reader does not understand
// included, stays as it was.

// Adds the desktop entry `desktopId` to the "Added Associations" of
// `mimeType`, creating the line or the group when missing. Unchanged when
// the association exists already.
std::string AddMimeAssociation(const std::string& text, const std::string& mimeType,
                               const std::string& desktopId);
// Removes `desktopId` from the "Added Associations" of `mimeType`; a line
// left without entries goes.
std::string RemoveMimeAssociation(const std::string& text, const std::string& mimeType,
                                  const std::string& desktopId);
// Removes every desktop entry for which `remove` answers true from all the
// "Added Associations".
std::string RemoveMimeAssociations(const std::string& text,
                                   const std::function<bool(const std::string& desktopId)>& remove);
// Whether `desktopId` is among the "Added Associations" of `mimeType`.
bool HasMimeAssociation(const std::string& text, const std::string& mimeType, const std::string& desktopId);
