#pragma once
#include <deque>
#include <string>
#include <vector>

#include "platform/MemoryRegistry.h"
#include "platform/Platform.h"

// A message box that records every box and answers from a script. With an
// empty script it answers the first button (OK or Yes).
class RecordingMessageBox : public IMessageBox {
public:
    struct Box {
        std::string text;
        std::string caption;
        MbIcon icon;
        MbButtons buttons;
    };

    MbResult Show(const std::string& text, const std::string& caption, MbIcon icon,
                  MbButtons buttons, WindowHandle owner) override;

    void Answer(MbResult result) { answers.push_back(result); }

    std::vector<Box> boxes;
    std::deque<MbResult> answers;
};

class CountingWaitCursor : public IWaitCursor {
public:
    void Begin() override { ++begun; ++depth; }
    void End() override { --depth; }
    int begun = 0;
    int depth = 0;
};

class RecordingProcessControl : public IProcessControl {
public:
    void RequestQuit(int exitCode) override { quitCodes.push_back(exitCode); }
    std::string ProgramPath() override { return "/opt/tabulon/bin/tabulon"; }
    std::string ProgramName() override { return "tabulon"; }
    std::vector<int> quitCodes;
};

// Installs the doubles for the lifetime of the object and puts the previous
// services back afterwards.
class TestPlatform {
public:
    TestPlatform();
    ~TestPlatform();
    TestPlatform(const TestPlatform&) = delete;
    TestPlatform& operator=(const TestPlatform&) = delete;

    RecordingMessageBox messageBox;
    CountingWaitCursor waitCursor;
    RecordingProcessControl process;
    CMemoryRegistry registry;

private:
    PlatformServices saved_;
};
