#pragma once
#include "platform/ProcessControl.h"

// Ends the program through the toolkit's main loop; the exit code is kept
// for the application object to return.
class CWxProcessControl : public IProcessControl {
public:
    void RequestQuit(int exitCode) override;
    std::string ProgramPath() override;
    std::string ProgramName() override;

    bool QuitRequested() const { return quitRequested_; }
    int ExitCode() const { return exitCode_; }

private:
    bool quitRequested_ = false;
    int exitCode_ = 0;
};
