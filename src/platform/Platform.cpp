#include "platform/Platform.h"

#include <cstdio>

#include "platform/MemoryRegistry.h"

namespace {

// Stand-ins used before the program or a test installs real services: they
// never block and answer the choice that changes nothing.
class SilentMessageBox : public IMessageBox {
public:
    MbResult Show(const std::string& text, const std::string& caption, MbIcon, MbButtons buttons,
                  WindowHandle) override
    {
        std::fprintf(stderr, "%s: %s\n", caption.c_str(), text.c_str());
        switch (buttons) {
        case MbButtons::Ok: return MbResult::Ok;
        case MbButtons::YesNo:
        case MbButtons::YesNoDefaultNo: return MbResult::No;
        default: return MbResult::Cancel;
        }
    }
};

class NoWaitCursor : public IWaitCursor {
public:
    void Begin() override {}
    void End() override {}
};

class NoProcessControl : public IProcessControl {
public:
    void RequestQuit(int) override {}
    std::string ProgramPath() override { return {}; }
    std::string ProgramName() override { return "tabulon"; }
};

class NoFileTypesService : public IFileTypes {
public:
    std::vector<SystemFileType> ListFileTypes() override { return {}; }
    bool WriteVerb(const std::string&, const std::string&) override { return false; }
    bool RemoveVerb(const std::string&) override { return false; }
    bool RemoveAllVerbs() override { return true; }
};

class NoShortcutsService : public IShortcuts {
public:
    std::string DesktopShortcutPath() override { return {}; }
    std::string MenuShortcutPath() override { return {}; }
    bool CreateShortcut(const std::string&, const std::string&, const std::string&) override { return false; }
    bool DeleteShortcut(const std::string&, const std::string&, const std::string&) override { return true; }
};

}  // namespace

IFileTypes* NoFileTypes()
{
    static NoFileTypesService service;
    return &service;
}

IShortcuts* NoShortcuts()
{
    static NoShortcutsService service;
    return &service;
}

namespace {

PlatformServices& StandIns()
{
    // Function statics, so that static objects elsewhere may use them safely.
    static SilentMessageBox silentMessageBox;
    static NoWaitCursor noWaitCursor;
    static NoProcessControl noProcessControl;
    static CMemoryRegistry memoryRegistry;
    static PlatformServices services{&silentMessageBox, &noWaitCursor, &noProcessControl, &memoryRegistry};
    return services;
}

}  // namespace

PlatformServices& Platform()
{
    static PlatformServices services = StandIns();
    return services;
}

void ResetPlatformServices() { Platform() = StandIns(); }

MbResult ShowMessage(const std::string& text, const std::string& caption, MbIcon icon,
                     MbButtons buttons, WindowHandle owner)
{
    return Platform().messageBox->Show(text, caption, icon, buttons, owner);
}

CWaitCursor::CWaitCursor() { Platform().waitCursor->Begin(); }
CWaitCursor::~CWaitCursor() { Platform().waitCursor->End(); }
