#include "view/wx/DialogKeys.h"

#include <vector>
#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/combobox.h>
#include <wx/radiobut.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>
#include <wx/toplevel.h>

namespace {

bool Usable(const wxWindow* window) { return window && window->IsShownOnScreen() && window->IsEnabled(); }

bool IsButton(const wxWindow* window) { return dynamic_cast<const wxButton*>(window) != nullptr; }

bool IsBox(const wxWindow* window)
{
    return dynamic_cast<const wxCheckBox*>(window) || dynamic_cast<const wxRadioButton*>(window);
}

// A text field that does something of its own with Enter.
bool TakesEnter(const wxWindow* window)
{
    if (const auto* text = dynamic_cast<const wxTextCtrl*>(window))
        return text->IsMultiLine() || text->HasFlag(wxTE_PROCESS_ENTER);
    if (const auto* combo = dynamic_cast<const wxComboBox*>(window)) return combo->HasFlag(wxTE_PROCESS_ENTER);
    return false;
}

// The usable buttons, boxes and labels under `parent` whose mnemonic is
// `letter` (upper case).
void FindMnemonic(const wxWindow* parent, int letter, std::vector<wxWindow*>* found)
{
    for (wxWindow* child : parent->GetChildren()) {
        if (child->IsTopLevel() || !Usable(child)) continue;
        if (IsButton(child) || IsBox(child) || dynamic_cast<wxStaticText*>(child)) {
            wxString text;
            const int at = wxControl::FindAccelIndex(child->GetLabel(), &text);
            if (at != wxNOT_FOUND && static_cast<int>(wxToupper(text[at])) == letter) found->push_back(child);
        }
        FindMnemonic(child, letter, found);
    }
}

// What a click does: a push button is pressed; a check box turns as the
// toolkit turns it (a mixed box the user cannot choose becomes unchecked);
// a radio button is chosen.
void Click(wxWindow* control)
{
    wxCommandEvent event(wxEVT_BUTTON, control->GetId());
    if (auto* box = dynamic_cast<wxCheckBox*>(control)) {
        const wxCheckBoxState now = box->Get3StateValue();
        wxCheckBoxState next = now == wxCHK_UNCHECKED ? wxCHK_CHECKED : wxCHK_UNCHECKED;
        if (box->Is3rdStateAllowedForUser() && now == wxCHK_CHECKED) next = wxCHK_UNDETERMINED;
        box->Set3StateValue(next);
        event.SetEventType(wxEVT_CHECKBOX);
        event.SetInt(next);
    } else if (auto* radio = dynamic_cast<wxRadioButton*>(control)) {
        if (radio->GetValue()) return;
        radio->SetValue(true);
        event.SetEventType(wxEVT_RADIOBUTTON);
        event.SetInt(1);
    }
    event.SetEventObject(control);
    control->HandleWindowEvent(event);
}

// The control a key press clicks, or null when the toolkit is to have it.
wxWindow* ClickedByKey(const wxTopLevelWindow& dialog, const wxKeyEvent& key)
{
    wxWindow* focus = wxWindow::FindFocus();
    const int code = key.GetKeyCode();
    const int modifiers = key.GetModifiers();
    if (modifiers == wxMOD_NONE && (code == WXK_RETURN || code == WXK_NUMPAD_ENTER)) {
        // As the toolkit does: a focused push button, else the default
        // button, else a focused box.
        if (IsButton(focus) && Usable(focus)) return focus;
        if (TakesEnter(focus)) return nullptr;
        if (wxWindow* byDefault = dialog.GetDefaultItem(); Usable(byDefault)) return byDefault;
        return IsBox(focus) && Usable(focus) ? focus : nullptr;
    }
    if (modifiers == wxMOD_ALT && code < 128 && wxIsalnum(code)) {
        // A mnemonic that several controls share only moves the focus among
        // them; a label's moves it to its field. The toolkit does both.
        std::vector<wxWindow*> found;
        FindMnemonic(&dialog, wxToupper(code), &found);
        if (found.size() == 1 && (IsButton(found[0]) || IsBox(found[0]))) return found[0];
    }
    return nullptr;
}

}  // namespace

void MakeKeysActAtOnce(wxTopLevelWindow& dialog)
{
    dialog.Bind(wxEVT_CHAR_HOOK, [&dialog](wxKeyEvent& event) {
        wxWindow* control = ClickedByKey(dialog, event);
        if (!control) {
            event.Skip();
            return;
        }
        Click(control);
    });
}
