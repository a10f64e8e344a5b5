#include "app/wx/AppApp.h"

#include <vector>

#include "app/AppCommandLineInfo.h"
#include "app/Globals.h"
#include "app/wx/AboutDlg.h"
#include "app/wx/AppDoc.h"
#include "app/wx/AppDocManager.h"
#include "app/wx/ForcedExit.h"
#include "app/wx/MainFrame.h"
#include "commands/wx/WxClipboardTransport.h"
#include "platform/Platform.h"
#include "platform/SystemServices.h"
#include "platform/wx/WxMessageBox.h"
#include "platform/wx/WxPaths.h"
#include "platform/wx/WxProcessControl.h"
#include "platform/wx/WxWaitCursor.h"
#include "records/ClipRecords.h"
#include "resources/ResourceIds.h"
#include "resources/Strings.h"
#include "settings/SettingsRegistry.h"
#include "view/wx/AppView.h"

wxBEGIN_EVENT_TABLE(CAppApp, wxApp)
    EVT_MENU(ToolkitId(ID_FILE_NEW), CAppApp::OnFileNew)
    EVT_MENU(ToolkitId(ID_APP_ABOUT), CAppApp::OnAppAbout)
    EVT_MENU(ToolkitId(ID_FILE_PRINT_SETUP), CAppApp::OnFilePrintSetup)
wxEND_EVENT_TABLE()

CAppApp& TheApp() { return *static_cast<CAppApp*>(wxApp::GetInstance()); }

CAppApp::CAppApp() = default;
CAppApp::~CAppApp()
{
    theClipRecords.SetTransport(nullptr);
    ResetPlatformServices();
}

void CAppApp::InstallPlatformServices()
{
    messageBox_ = std::make_unique<CWxMessageBox>();
    waitCursor_ = std::make_unique<CWxWaitCursor>();
    process_ = std::make_unique<CWxProcessControl>();
    system_ = std::make_unique<SystemServices>(MakeSystemServices());
    PlatformServices& services = Platform();
    services.messageBox = messageBox_.get();
    services.waitCursor = waitCursor_.get();
    services.process = process_.get();
    services.registry = system_->registry.get();
    services.fileTypes = system_->fileTypes.get();
    services.shortcuts = system_->shortcuts.get();
    clipboard_ = std::make_unique<CWxClipboardTransport>();
    theClipRecords.SetTransport(clipboard_.get());
}

bool CAppApp::OnInit() { return InitInstance(); }

bool CAppApp::InitInstance()
{
    SetAppName("tabulon");
    SetAppDisplayName(kAppTitle);
    InstallPlatformServices();
    LoadSettings(theSettings, *Platform().registry);
    // From here on a logout, a closed terminal or a lost display leaves a
    // copy of unsaved work behind.
    forcedExit_ = std::make_unique<CForcedExit>();
    forcedExit_->Install(*this);

    docManager_ = new CAppDocManager;
    docTemplate_ = new wxDocTemplate(docManager_, kAppTitle, "*", "", "", "Tabulon Document",
                                     "Tabulon View", CLASSINFO(CAppDoc), CLASSINFO(CAppView),
                                     wxTEMPLATE_VISIBLE);
    docManager_->SetMaxDocsOpen(1);

    auto* frame = new CMainFrame;
    if (!frame->Create(docManager_, kAppTitle)) {
        frame->Destroy();
        return false;
    }
    SetTopWindow(frame);

    std::vector<std::string> args;
    // The program's entry hands over the arguments as the system's bytes;
    // the toolkit's own copies drop names that are not valid text.
    if (rawArguments.empty()) {
        for (int i = 1; i < argc; ++i) args.push_back(PathFromWx(argv[i]));
    } else {
        args.assign(rawArguments.begin() + 1, rawArguments.end());
    }
    CAppCommandLineInfo info(pendingFlags, pendingWidth);
    ParseCommandLine(info, args);
    if (!ProcessShellCommand(info)) return false;

    // The window starts at 640 by 480 pixels wherever the system placed it.
    frame->SetSize(wxRect(frame->GetPosition(), wxSize(640, 480)));
    frame->Refresh();
    return true;
}

bool CAppApp::ProcessShellCommand(const CAppCommandLineInfo& info)
{
    const std::string path = info.shellCommand == ShellCommand::FileOpen ? info.fileName : "";
    return OpenDocumentFile(path) != nullptr;
}

CAppDoc* CAppApp::CreateTheDocument()
{
    // Creating the document also creates its view inside the main frame.
    auto* doc = static_cast<CAppDoc*>(docTemplate_->CreateDocument(wxString(), 0));
    if (!doc) return nullptr;
    doc->SetDocumentName(docTemplate_->GetDocumentName());
    doc->SetDocumentTemplate(docTemplate_);
    return doc;
}

CAppDoc* CAppApp::OpenDocumentFile(const std::string& path)
{
    CAppDoc* doc = theDoc;
    if (!doc) {
        doc = CreateTheDocument();
        if (!doc) return nullptr;
    } else if (!doc->OnSaveModified()) {
        return nullptr;
    }
    const bool ready = path.empty() ? doc->OnNewDocument() : doc->OnOpenDocument(PathToWx(path));
    if (!ready) return nullptr;
    if (theMainFrame) {
        theMainFrame->ActivateFrame();
        theMainFrame->ResetView();
    }
    return doc;
}

void CAppApp::OnFileNew(wxCommandEvent&) { OpenDocumentFile(""); }

void CAppApp::OnAppAbout(wxCommandEvent&)
{
    CAboutDlg about(GetTopWindow());
    about.ShowModal();
}

// The framework's printer and page set-up dialog, whose choices the print
// commands then use.
void CAppApp::OnFilePrintSetup(wxCommandEvent& event)
{
    if (docManager_) docManager_->OnPageSetup(event);
}

int CAppApp::OnRun()
{
    int code = wxApp::OnRun();
    return process_ && process_->QuitRequested() ? process_->ExitCode() : code;
}

int CAppApp::ExitInstance()
{
    if (theSettings.registryAccess) SaveSettings(theSettings, *Platform().registry);
    return 0;
}

int CAppApp::OnExit()
{
    ExitInstance();
    // A copy outlives the program where the desktop keeps the clipboard.
    if (clipboard_) clipboard_->Flush();
    theClipRecords.SetTransport(nullptr);
    // Closing the main window has asked about unsaved changes already; a
    // program ending any other way (a quit request) has no window left to
    // ask from.
    if (theDoc) theDoc->SetModifiedFlag(false);
    delete docManager_;
    docManager_ = nullptr;
    return wxApp::OnExit();
}
