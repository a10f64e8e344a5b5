#pragma once
#include <gtest/gtest.h>

#include <string>

#include "support/TempDir.h"
#include "support/TestPlatform.h"

class CMainFrame;
class CAppDoc;

// A GUI test against the running program: message boxes are scripted, and
// every test starts and ends with an unmodified new document.
class ShellTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    CMainFrame& Frame();
    CAppDoc& Doc();
    std::string Title();
    // Sends a menu command to the main frame as the menu would.
    void Command(int id);
    // The boxes shown since the test began, as "caption: text".
    std::string Boxes() const;

    TestPlatform platform;
    TempDir dir;
};
