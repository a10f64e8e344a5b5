#pragma once
#include "platform/FileTypes.h"

// File types from the shared MIME database, with the program's verbs as
// desktop entries of its own.
//
// The extensions and their types come from mime/globs2 of the data folders
// ($XDG_DATA_HOME first, then $XDG_DATA_DIRS), the descriptions from each
// type's description file. The verb of a type is the desktop entry
// $XDG_DATA_HOME/applications/tabulon-MEDIA-SUBTYPE.desktop ("/" written as
// "-", and every byte but letters, digits, "." and "+" as "_" and two hex
// digits, so that no two types share it), whose Exec line is the verb's
// command line and which never shows in menus; it is
// registered for the type under "Added Associations" in
// $XDG_CONFIG_HOME/mimeapps.list. Files are replaced atomically, and every
// other line of mimeapps.list is kept as it was. A verb whose program path
// the system refuses (ProgramPathRefusal) is not written.
class CFreedesktopFileTypes : public IFileTypes {
public:
    std::vector<SystemFileType> ListFileTypes() override;
    bool WriteVerb(const std::string& typeName, const std::string& commandLine) override;
    bool RemoveVerb(const std::string& typeName) override;
    bool RemoveAllVerbs() override;

    // The desktop entry id of a type's verb, and the file that holds it. A
    // verb written under the id of old ("_" for every byte outside
    // "A-Za-z0-9-.+") is read too, and goes when the verb is written or
    // removed.
    static std::string VerbDesktopId(const std::string& typeName);
    static std::string VerbEntryPath(const std::string& typeName);
    static std::string MimeAppsPath();
};
