#pragma once
#include <string>

// Process-level services: ending the program and finding its own file.
class IProcessControl {
public:
    virtual ~IProcessControl() = default;
    // Ends the program with the given exit code. A test double records the
    // request and returns; callers must cope with that.
    virtual void RequestQuit(int exitCode) = 0;
    // Full path of the running program file.
    virtual std::string ProgramPath() = 0;
    // File name of the program, without its folder.
    virtual std::string ProgramName() = 0;
};
