#include "commands/wx/FileDialogLabel.h"

#include <wx/control.h>

wxString FileDialogLabel(const char* label)
{
#ifdef __WXMSW__
    return wxString::FromUTF8(label);
#else
    return wxControl::RemoveMnemonics(wxString::FromUTF8(label));
#endif
}
