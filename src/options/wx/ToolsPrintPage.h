#pragma once
#include <memory>

#include "options/OptionsPages.h"
#include "options/wx/ToolsPage.h"

class CSpinField;
class wxCheckBox;

// The Printing page: font size, the header and footer options, margins.
class CToolsPrintPage : public CToolsPage {
public:
    explicit CToolsPrintPage(wxWindow* parent);
    ~CToolsPrintPage() override;

    bool ReadControls() override;
    void OnOK() override;
    // Shows the page's values in every control.
    void ShowValues();

    PrintPageValues values;
    std::unique_ptr<CSpinField> font;
    // Left, Right, Top, Bottom.
    std::unique_ptr<CSpinField> margins[4];
    wxCheckBox* checks[4] = {};  // file name, page number, line numbers, ruler bar
};
