#include "app/wx/AppDoc.h"

wxIMPLEMENT_DYNAMIC_CLASS(CAppDoc, wxDocument);

bool CAppDoc::OnNewDocument()
{
    return wxDocument::OnNewDocument();
}
