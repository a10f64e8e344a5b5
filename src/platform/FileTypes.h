#pragma once
#include <string>
#include <vector>

// One file-name extension the system knows, with its file type and the
// program's verb on that type, as the File Types dialog lists them.
struct SystemFileType {
    std::string extension;    // with its dot: ".c"
    std::string typeName;     // the system's name of the type
    std::string description;  // may be empty
    bool hasVerb = false;     // the program is registered as a verb of the type
    std::string verbCommand;  // the verb's command line, when it has one
};

// The system's file types and the program's verbs on them.
class IFileTypes {
public:
    virtual ~IFileTypes() = default;
    // Every extension whose type can take a verb, in the system's order.
    virtual std::vector<SystemFileType> ListFileTypes() = 0;
    // Creates or replaces the program's verb of a type. False when it
    // cannot be written; what was there before stays.
    virtual bool WriteVerb(const std::string& typeName, const std::string& commandLine) = 0;
    // Removes the program's verb of a type; a missing verb is no error.
    virtual bool RemoveVerb(const std::string& typeName) = 0;
    // Removes every verb of the program; true when all went.
    virtual bool RemoveAllVerbs() = 0;
};
