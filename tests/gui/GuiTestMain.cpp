#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <wx/app.h>
#include <wx/frame.h>
#include <wx/evtloop.h>
#include <wx/init.h>

#include "app/wx/AppApp.h"
#include "gui/GuiApp.h"
#include "support/TempDir.h"

namespace {

TempDir* registryDir = nullptr;
std::string registryPath;

// Starts the application object the way the program's entry does, minus
// the main loop, which the tests drive themselves.
class AppEnvironment : public ::testing::Environment {
public:
    AppEnvironment(int argc, char** argv) : argc_(argc), argv_(argv) {}

    void SetUp() override
    {
        registryDir = new TempDir;
        registryPath = registryDir->File("registry.reg");
        ::setenv("TABULON_REGISTRY", registryPath.c_str(), 1);
        wxApp::SetInstance(new CAppApp);
        ASSERT_TRUE(wxEntryStart(argc_, argv_));
        ASSERT_TRUE(wxTheApp->CallOnInit());
        GuiApp::ProcessEvents(200);
    }

    void TearDown() override
    {
        if (wxWindow* top = wxTheApp->GetTopWindow()) top->Destroy();
        GuiApp::ProcessEvents(100);
        wxTheApp->OnExit();
        wxEntryCleanup();
        delete registryDir;
    }

private:
    int argc_;
    char** argv_;
};

}  // namespace

namespace GuiApp {

CAppApp& App() { return *static_cast<CAppApp*>(wxTheApp); }

wxFrame* MainFrame() { return dynamic_cast<wxFrame*>(wxTheApp->GetTopWindow()); }

void ProcessEvents(int forMs)
{
    auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(forMs);
    do {
        wxTheApp->Yield(true);
        wxTheApp->ProcessIdle();
    } while (std::chrono::steady_clock::now() < end);
}

bool RunUntil(bool (*done)(), int timeoutMs)
{
    auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (!done()) {
        if (std::chrono::steady_clock::now() > end) return false;
        ProcessEvents(10);
    }
    return true;
}

const std::string& RegistryPath() { return registryPath; }

}  // namespace GuiApp

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::AddGlobalTestEnvironment(new AppEnvironment(argc, argv));
    return RUN_ALL_TESTS();
}
