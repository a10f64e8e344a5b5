#include "commands/wx/FileDialogPath.h"

#include <wx/filedlg.h>

#include "platform/wx/WxPaths.h"

#ifdef __WXGTK__
#include <dlfcn.h>
#endif

std::string ChosenPath(const wxFileDialog& dialog)
{
#ifdef __WXGTK__
    // The dialog is a GtkFileChooser; GTK is loaded with the toolkit, so
    // its functions are found without building against its headers.
    using GetFilename = char* (*)(void*);
    using Free = void (*)(void*);
    static const auto getFilename = reinterpret_cast<GetFilename>(::dlsym(RTLD_DEFAULT, "gtk_file_chooser_get_filename"));
    static const auto release = reinterpret_cast<Free>(::dlsym(RTLD_DEFAULT, "g_free"));
    if (getFilename && release && dialog.GetHandle()) {
        if (char* name = getFilename(dialog.GetHandle())) {
            std::string path(name);
            release(name);
            return path;
        }
    }
#endif
    return PathFromWx(dialog.GetPath());
}
