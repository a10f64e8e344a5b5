#pragma once
#include <string>
#include <wx/string.h>

// File names cross into the toolkit and back without losing a byte: the
// core keeps them as the system's bytes, which need not be valid UTF-8. The
// toolkit's file-name conversion turns bytes it cannot decode into escapes
// that it turns back on the way out (its file dialogs use the same one). On
// Windows the core's WTF-8 maps one to one onto the toolkit's UTF-16.
wxString PathToWx(const std::string& path);
std::string PathFromWx(const wxString& path);

// Text for a label, title or message: invalid UTF-8 shows as U+FFFD.
wxString TextToWx(const std::string& text);
// Text made of the document's bytes (status texts, printed runs, the
// properties report): UTF-8 where it is valid, otherwise each byte stands
// for itself, so that every byte shows as something.
wxString BytesToWx(const std::string& text);
