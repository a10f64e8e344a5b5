#pragma once
#include <memory>
#include <wx/app.h>

class wxDocManager;
class CFileRegistry;
class CWxMessageBox;
class CWxWaitCursor;
class CWxProcessControl;

// The application object: brings the program up and writes the settings back
// at exit.
class CAppApp : public wxApp {
public:
    CAppApp();
    ~CAppApp() override;

    bool OnInit() override;
    int OnExit() override;
    int OnRun() override;

    // The pending open request of the command line, used by the first document.
    std::uint32_t pendingFlags = 0;
    std::int32_t pendingWidth = 0;

private:
    void InstallPlatformServices();

    std::unique_ptr<CWxMessageBox> messageBox_;
    std::unique_ptr<CWxWaitCursor> waitCursor_;
    std::unique_ptr<CWxProcessControl> process_;
    std::unique_ptr<CFileRegistry> registry_;
    wxDocManager* docManager_ = nullptr;
};

wxDECLARE_APP(CAppApp);
