#include "app/wx/AppApp.h"

#include "app/Globals.h"
#include "app/wx/AppDoc.h"
#include "app/wx/AppDocManager.h"
#include "app/wx/MainFrame.h"
#include "platform/Platform.h"
#include "platform/posix/FileRegistry.h"
#include "platform/wx/WxMessageBox.h"
#include "platform/wx/WxProcessControl.h"
#include "platform/wx/WxWaitCursor.h"
#include "resources/Strings.h"
#include "settings/SettingsRegistry.h"
#include "view/wx/AppView.h"

CAppApp::CAppApp() = default;
CAppApp::~CAppApp() { ResetPlatformServices(); }

void CAppApp::InstallPlatformServices()
{
    messageBox_ = std::make_unique<CWxMessageBox>();
    waitCursor_ = std::make_unique<CWxWaitCursor>();
    process_ = std::make_unique<CWxProcessControl>();
    registry_ = std::make_unique<CFileRegistry>(DefaultRegistryPath());
    PlatformServices& services = Platform();
    services.messageBox = messageBox_.get();
    services.waitCursor = waitCursor_.get();
    services.process = process_.get();
    services.registry = registry_.get();
}

bool CAppApp::OnInit()
{
    SetAppName("tabulon");
    SetAppDisplayName(kAppTitle);
    InstallPlatformServices();
    LoadSettings(theSettings, *Platform().registry);

    docManager_ = new CAppDocManager;
    new wxDocTemplate(docManager_, kAppTitle, "*.*", "", "", "Tabulon Document", "Tabulon View",
                      CLASSINFO(CAppDoc), CLASSINFO(CAppView), wxTEMPLATE_VISIBLE);
    docManager_->SetMaxDocsOpen(1);

    auto* frame = new CMainFrame(docManager_, nullptr, wxID_ANY, kAppTitle);
    SetTopWindow(frame);
    if (!docManager_->CreateNewDocument()) return false;
    frame->SetSize(wxSize(640, 480));
    frame->Show(true);
    return true;
}

int CAppApp::OnRun()
{
    int code = wxApp::OnRun();
    return process_ && process_->QuitRequested() ? process_->ExitCode() : code;
}

int CAppApp::OnExit()
{
    if (theSettings.registryAccess) SaveSettings(theSettings, *Platform().registry);
    delete docManager_;
    docManager_ = nullptr;
    return wxApp::OnExit();
}
