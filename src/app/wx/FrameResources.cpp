#include "app/wx/FrameResources.h"

#include <cstring>
#include <vector>
#include <wx/bitmap.h>
#include <wx/menu.h>
#include <wx/toolbar.h>

#include "resources/Images.h"
#include "resources/MainFrameResources.h"
#include "resources/ResourceIds.h"
#include "resources/StringTable.h"

namespace {

bool IsCheckCommand(int id)
{
    return id == ID_VIEW_HEX || id == ID_VIEW_SOURCE || id == ID_VIEW_TOOLBAR || id == ID_VIEW_STATUS_BAR;
}

// Whether a menu item's label carries this accelerator ("\tCtrl+N"); those
// keys are bound by the menu, which also respects the item's state.
bool NamedByMenu(const AcceleratorResource& accel)
{
    if (accel.key != AccelKey::Letter || accel.modifiers != kAccelCtrl) return false;
    const std::string wanted = std::string("\tCtrl+") + accel.letter;
    for (const MenuResource& menu : MainMenuResource())
        for (const MenuItemResource& item : menu.items)
            if (item.id == accel.command && item.label && std::strstr(item.label, wanted.c_str()))
                return true;
    return false;
}

int KeyCode(const AcceleratorResource& accel)
{
    switch (accel.key) {
    case AccelKey::Delete: return WXK_DELETE;
    case AccelKey::Insert: return WXK_INSERT;
    case AccelKey::Back: return WXK_BACK;
    case AccelKey::F1: return WXK_F1;
    case AccelKey::F6: return WXK_F6;
    default: return accel.letter;
    }
}

}  // namespace

wxMenuBar* BuildMainMenuBar()
{
    auto* bar = new wxMenuBar;
    for (const MenuResource& resource : MainMenuResource()) {
        auto* menu = new wxMenu;
        for (const MenuItemResource& item : resource.items) {
            if (item.id == 0) {
                menu->AppendSeparator();
                continue;
            }
            const wxString prompt = wxString::FromUTF8(CommandPrompt(item.id));
            menu->Append(ToolkitId(item.id), wxString::FromUTF8(item.label), prompt,
                         IsCheckCommand(item.id) ? wxITEM_CHECK : wxITEM_NORMAL);
        }
        bar->Append(menu, wxString::FromUTF8(resource.title));
    }
    return bar;
}

wxAcceleratorTable BuildExtraAccelerators()
{
    std::vector<wxAcceleratorEntry> entries;
    for (const AcceleratorResource& accel : MainAcceleratorResource()) {
        if (NamedByMenu(accel)) continue;
        int flags = wxACCEL_NORMAL;
        if (accel.modifiers & kAccelCtrl) flags |= wxACCEL_CTRL;
        if (accel.modifiers & kAccelShift) flags |= wxACCEL_SHIFT;
        if (accel.modifiers & kAccelAlt) flags |= wxACCEL_ALT;
        entries.emplace_back(flags, KeyCode(accel), ToolkitId(accel.command));
    }
    return wxAcceleratorTable(static_cast<int>(entries.size()), entries.data());
}

void AddMainToolbarButtons(wxToolBar* toolBar)
{
    toolBar->SetToolBitmapSize(wxSize(kToolbarImageWidth, kToolbarImageHeight));
    for (int id : MainToolbarResource()) {
        if (id == 0) {
            toolBar->AddSeparator();
            continue;
        }
        const wxBitmap picture(ToolbarImage(id));
        const wxString tooltip = wxString::FromUTF8(CommandTooltip(id));
        const wxString prompt = wxString::FromUTF8(CommandPrompt(id));
        toolBar->AddTool(ToolkitId(id), tooltip, picture, wxNullBitmap,
                         IsCheckCommand(id) ? wxITEM_CHECK : wxITEM_NORMAL, tooltip, prompt);
    }
}
