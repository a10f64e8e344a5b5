#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>
#include <wx/app.h>

class wxDocManager;
class wxDocTemplate;
class CAppDoc;
class CAppCommandLineInfo;
struct SystemServices;
class CWxMessageBox;
class CWxWaitCursor;
class CWxProcessControl;
class CWxClipboardTransport;
class CForcedExit;

// The application object: brings the program up, carries the command line's
// open request to the first document, and writes the settings back at exit.
class CAppApp : public wxApp {
public:
    CAppApp();
    ~CAppApp() override;

    bool OnInit() override;
    int OnExit() override;
    int OnRun() override;

    // Start-up: settings, the document template, the main frame, the first
    // document from the command line and the window's size. False ends the
    // program.
    bool InitInstance();
    // At exit: the settings go back to the registry when access is on.
    int ExitInstance();

    // Carries out what the command line asks for: a new document or the
    // named file. False when the document could not be created.
    bool ProcessShellCommand(const CAppCommandLineInfo& info);
    // Opens `path`, or starts a new document when it is empty, in the one
    // document (created on first use), asking about unsaved changes first.
    // Then the frame is activated and the view reset. Null when the user
    // cancelled or the document refused.
    CAppDoc* OpenDocumentFile(const std::string& path);

    wxDocManager* DocManager() const { return docManager_; }

    // The pending open request of the command line, used by the first
    // document: flags 1 DOS, 2 UNIX, 4 source mode, 8 hex display, and the
    // binary record width.
    std::uint32_t pendingFlags = 0;
    std::int32_t pendingWidth = 0;

    // The program's arguments as the system passed them, program name first;
    // set by the entry point before the toolkit starts.
    static inline std::vector<std::string> rawArguments;

private:
    void InstallPlatformServices();
    CAppDoc* CreateTheDocument();

    void OnFileNew(wxCommandEvent& event);
    void OnAppAbout(wxCommandEvent& event);
    void OnFilePrintSetup(wxCommandEvent& event);

    std::unique_ptr<CWxMessageBox> messageBox_;
    std::unique_ptr<CWxWaitCursor> waitCursor_;
    std::unique_ptr<CWxProcessControl> process_;
    std::unique_ptr<SystemServices> system_;
    std::unique_ptr<CWxClipboardTransport> clipboard_;
    std::unique_ptr<CForcedExit> forcedExit_;
    wxDocManager* docManager_ = nullptr;
    wxDocTemplate* docTemplate_ = nullptr;

    wxDECLARE_EVENT_TABLE();
};

// The running application object (also inside the GUI tests, which start
// it without the program's entry point).
CAppApp& TheApp();
