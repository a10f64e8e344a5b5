#pragma once
#include "platform/FileTypes.h"
#include "platform/Registry.h"

// File types as the class root of a registry holds them, the way Windows
// keeps them: an extension key (".c") names its type in its default value;
// the type's key describes it in its default value and takes verbs under
// its "shell" subkey. The program's verb is "shell\Tabulon", whose
// "command" subkey holds the command line as its default value.
class CRegistryFileTypes : public IFileTypes {
public:
    explicit CRegistryFileTypes(IRegistry& registry) : registry_(registry) {}

    std::vector<SystemFileType> ListFileTypes() override;
    bool WriteVerb(const std::string& typeName, const std::string& commandLine) override;
    bool RemoveVerb(const std::string& typeName) override;
    bool RemoveAllVerbs() override;

private:
    IRegistry& registry_;
};
