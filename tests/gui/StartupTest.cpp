#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <wx/frame.h>

#include "gui/GuiApp.h"
#include "gui/ProgramRunner.h"
#include "support/TempDir.h"

namespace {

TEST(Startup, MainWindowIsUntitledAt640By480)
{
    wxFrame* frame = GuiApp::MainFrame();
    ASSERT_NE(nullptr, frame);
    EXPECT_EQ("Untitled - Tabulon", frame->GetTitle());
    EXPECT_EQ(wxSize(640, 480), frame->GetSize());
    EXPECT_TRUE(frame->IsShown());
}

TEST(Startup, FirstRunWithoutStoreWritesNothing)
{
    EXPECT_FALSE(FileExists(GuiApp::RegistryPath()));
}

// Starts the real program and waits for its window to appear on the display.
TEST(Startup, ProgramShowsItsWindow)
{
    TempDir dir;
    const std::string script = dir.File("run.sh");
    WriteFileBytes(script, StartProgramLines("TABULON_REGISTRY=" + dir.File("r.reg") + " '" TABULON_EXE "'",
                                             "^Untitled - Tabulon$", dir.File("program.log")) +
                               "kill $pid; wait $pid 2>/dev/null; exit 0\n");
    EXPECT_EQ(0, std::system(("bash " + script).c_str()));
}

}  // namespace
