#include "gui/ShellFixture.h"

#include <wx/frame.h>

#include "app/Globals.h"
#include "app/wx/AppApp.h"
#include "app/wx/AppDoc.h"
#include "app/wx/MainFrame.h"
#include "gui/GuiApp.h"
#include "resources/ResourceIds.h"

void ShellTest::SetUp()
{
    ASSERT_NE(nullptr, theMainFrame);
    ASSERT_NE(nullptr, theDoc);
    theDoc->SetModifiedFlag(false);
    ASSERT_NE(nullptr, TheApp().OpenDocumentFile(""));
    GuiApp::ProcessEvents(0);
    platform.messageBox.boxes.clear();
}

void ShellTest::TearDown()
{
    if (!theDoc) return;
    theDoc->SetModifiedFlag(false);
    TheApp().OpenDocumentFile("");
    GuiApp::ProcessEvents(0);
}

CMainFrame& ShellTest::Frame() { return *theMainFrame; }
CAppDoc& ShellTest::Doc() { return *theDoc; }
std::string ShellTest::Title() { return theMainFrame->GetTitle().utf8_string(); }

void ShellTest::Command(int id)
{
    wxCommandEvent event(wxEVT_MENU, ToolkitId(id));
    event.SetEventObject(theMainFrame);
    theMainFrame->ProcessWindowEvent(event);
}

std::string ShellTest::Boxes() const
{
    std::string all;
    for (const auto& box : platform.messageBox.boxes) all += box.caption + ": " + box.text + "\n";
    return all;
}
