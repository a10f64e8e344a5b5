#include "app/wx/AppDocManager.h"

#include "resources/Strings.h"

wxString CAppDocManager::MakeNewDocumentName() { return kUntitledName; }

wxString CAppDocManager::MakeFrameTitle(wxDocument* doc)
{
    wxString title = kAppTitle;
    if (doc) title = doc->GetUserReadableName() + " - " + title;
    return title;
}
