#pragma once
#include <wx/docview.h>

// The document: one file seen as a list of records.
class CAppDoc : public wxDocument {
public:
    bool OnNewDocument() override;

private:
    wxDECLARE_DYNAMIC_CLASS(CAppDoc);
};
