#pragma once
#include <memory>

#include "options/OptionsPages.h"
#include "options/wx/ToolsPage.h"

class CSpinField;
class wxCheckBox;

// The Source page: tab width, smart indent and the two tab replacements.
class CToolsSourcePage : public CToolsPage {
public:
    CToolsSourcePage(wxWindow* parent, IOptionsHost& host);
    ~CToolsSourcePage() override;

    bool ReadControls() override;
    void OnOK() override;
    void ShowValues();

    SourcePageValues values;
    std::unique_ptr<CSpinField> tabWidth;
    wxCheckBox* smartIndent = nullptr;
    wxCheckBox* asYouType = nullptr;
    wxCheckBox* asYouSave = nullptr;

private:
    IOptionsHost& host_;
};
