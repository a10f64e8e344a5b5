#include "options/wx/ToolsPrintPage.h"

#include <wx/checkbox.h>
#include <wx/sizer.h>
#include <wx/spinbutt.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "app/Globals.h"
#include "options/FieldValidation.h"
#include "options/wx/SpinField.h"
#include "resources/ResourceIds.h"

namespace {

const char* const kCheckLabels[4] = {"Show &file name", "Show &page number", "Show &line numbers",
                                     "Show &ruler bar"};
const int kCheckIds[4] = {IDC_PRINT_FILE, IDC_PRINT_PAGE, IDC_PRINT_LINE, IDC_PRINT_RULER};
const char* const kMarginLabels[4] = {"L&eft", "&Right:", "&Top:", "&Bottom:"};

}  // namespace

CToolsPrintPage::CToolsPrintPage(wxWindow* parent)
    : CToolsPage(parent, IDD_TOOLS_PRINT), values(PrintPageValues::From(theSettings))
{
    auto* top = new wxBoxSizer(wxVERTICAL);

    auto* fontRow = new wxBoxSizer(wxHORIZONTAL);
    fontRow->Add(new wxStaticText(this, wxID_ANY, "Font Size:"), 0, wxALIGN_CENTER_VERTICAL | wxRIGHT, 6);
    font = std::make_unique<CSpinField>(this, IDC_PRINT_FONT, IDC_PRINT_FONT_SPIN, kMinPrintFont, kMaxPrintFont, 1);
    font->followEdit = true;
    font->AddTo(fontRow);
    fontRow->Add(new wxStaticText(this, wxID_ANY, "pt"), 0, wxALIGN_CENTER_VERTICAL);
    top->Add(fontRow, 0, wxALL, 8);
    font->SetPosition(values.printFont);
    font->onStep = [this](int size) {
        // The spin writes its number into the edit, as its buddy.
        font->edit->ChangeValue(wxString::Format("%d", size));
        SetModified();
    };
    MarkChangedOnTyping(font->edit);

    auto* options = new wxStaticBoxSizer(wxVERTICAL, this, "Options");
    bool* const flags[4] = {&values.printFile, &values.printPage, &values.printLine, &values.printRuler};
    for (int i = 0; i < 4; ++i) {
        checks[i] = new wxCheckBox(options->GetStaticBox(), kCheckIds[i], kCheckLabels[i]);
        options->Add(checks[i], 0, wxALL, 3);
        BindFlag(checks[i], flags[i]);
    }
    top->Add(options, 0, wxEXPAND | wxLEFT | wxRIGHT, 8);

    auto* marginBox = new wxStaticBoxSizer(wxVERTICAL, this, "Margins");
    auto* grid = new wxFlexGridSizer(4, 4, 4);
    for (int i = 0; i < 4; ++i) {
        grid->Add(new wxStaticText(marginBox->GetStaticBox(), wxID_ANY, kMarginLabels[i]), 0,
                  wxALIGN_CENTER_VERTICAL);
        auto* pair = new wxBoxSizer(wxHORIZONTAL);
        margins[i] = std::make_unique<CSpinField>(marginBox->GetStaticBox(), IDC_PRINT_LEFT + 2 * i,
                                                  IDC_PRINT_LEFT_SPIN + 2 * i, 0, kMaxMarginSpin, kMarginSpinStep);
        margins[i]->AddTo(pair);
        grid->Add(pair, 0, wxALIGN_CENTER_VERTICAL);
        grid->Add(new wxStaticText(marginBox->GetStaticBox(), wxID_ANY, "in"), 0, wxALIGN_CENTER_VERTICAL);
        grid->AddSpacer(8);
        margins[i]->SetPosition(MarginToSpin(values.margins[i]));
        margins[i]->onStep = [this, i](int hundredths) {
            values.margins[i] = SpinToMargin(hundredths);
            SetModified();
            // Every control shows the page's values again, so text typed
            // into the other fields and not yet taken over gives way.
            ShowValues();
        };
        MarkChangedOnTyping(margins[i]->edit);
    }
    marginBox->Add(grid, 0, wxALL, 6);
    top->Add(marginBox, 0, wxEXPAND | wxALL, 8);

    SetSizer(top);
    ShowValues();
}

CToolsPrintPage::~CToolsPrintPage() = default;

void CToolsPrintPage::ShowValues()
{
    font->edit->ChangeValue(wxString::Format("%d", values.printFont));
    const bool flags[4] = {values.printFile, values.printPage, values.printLine, values.printRuler};
    for (int i = 0; i < 4; ++i) checks[i]->SetValue(flags[i]);
    for (int i = 0; i < 4; ++i) margins[i]->edit->ChangeValue(wxString::FromUTF8(NumberFieldText(values.margins[i])));
}

bool CToolsPrintPage::ReadControls()
{
    std::string message;
    int size = values.printFont;
    if (!ReadIntegerField(font->edit->GetValue().utf8_string(), kMinPrintFont, kMaxPrintFont, &size, &message))
        return Refuse(font->edit, message);
    float read[4];
    for (int i = 0; i < 4; ++i) {
        if (!ReadNumberField(margins[i]->edit->GetValue().utf8_string(), kMinMargin, kMaxMargin, &read[i], &message))
            return Refuse(margins[i]->edit, message);
    }
    values.printFont = size;
    for (int i = 0; i < 4; ++i) values.margins[i] = read[i];
    return true;
}

void CToolsPrintPage::OnOK() { values.ApplyTo(theSettings); }
