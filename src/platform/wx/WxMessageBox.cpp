#include "platform/wx/WxMessageBox.h"

#include <wx/app.h>
#include <wx/msgdlg.h>

#include "platform/wx/WxPaths.h"

MbResult CWxMessageBox::Show(const std::string& text, const std::string& caption, MbIcon icon,
                             MbButtons buttons, WindowHandle owner)
{
    long style = 0;
    switch (buttons) {
    case MbButtons::Ok: style |= wxOK; break;
    case MbButtons::OkCancel: style |= wxOK | wxCANCEL; break;
    case MbButtons::YesNo: style |= wxYES_NO; break;
    case MbButtons::YesNoCancel: style |= wxYES_NO | wxCANCEL; break;
    case MbButtons::YesNoDefaultNo: style |= wxYES_NO | wxNO_DEFAULT; break;
    }
    switch (icon) {
    case MbIcon::Stop: style |= wxICON_ERROR; break;
    case MbIcon::Warning: style |= wxICON_WARNING; break;
    case MbIcon::Question: style |= wxICON_QUESTION; break;
    case MbIcon::Information: style |= wxICON_INFORMATION; break;
    }
    wxWindow* parent = owner ? static_cast<wxWindow*>(owner) : wxTheApp->GetTopWindow();
    wxMessageDialog dialog(parent, TextToWx(text), TextToWx(caption), style);
    switch (dialog.ShowModal()) {
    case wxID_OK: return MbResult::Ok;
    case wxID_YES: return MbResult::Yes;
    case wxID_NO: return MbResult::No;
    default: return MbResult::Cancel;
    }
}
