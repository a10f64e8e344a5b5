#include "platform/win/WinShortcuts.h"

#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

#include "platform/win/WideText.h"

namespace {

// A folder the shell keeps for the user, asked for without creating it;
// empty when the shell has none.
std::string ShellFolder(int folder)
{
    wchar_t path[MAX_PATH] = {};
    if (!::SHGetSpecialFolderPathW(nullptr, path, folder, FALSE)) return {};
    return TextFromWide(path, ::wcslen(path));
}

// Creates the folders above a file as needed.
bool MakeParentFolders(const std::wstring& file)
{
    const std::size_t end = file.find_last_of(L"\\/");
    if (end == std::wstring::npos || end == 0) return true;
    const std::wstring folder = file.substr(0, end);
    const DWORD attributes = ::GetFileAttributesW(folder.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES) return (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    if (folder.size() <= 3 && folder.find(L':') != std::wstring::npos) return false;  // a drive that is not there
    return MakeParentFolders(folder) &&
           (::CreateDirectoryW(folder.c_str(), nullptr) || ::GetLastError() == ERROR_ALREADY_EXISTS);
}

// Keeps COM initialised on this thread while it lives (the toolkit may have
// done so already, which is as good).
class ComScope {
public:
    ComScope() : initialised_(SUCCEEDED(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
    ~ComScope()
    {
        if (initialised_) ::CoUninitialize();
    }
    ComScope(const ComScope&) = delete;
    ComScope& operator=(const ComScope&) = delete;

private:
    bool initialised_;
};

}  // namespace

std::string CWinShortcuts::DesktopShortcutPath()
{
    const std::string folder = ShellFolder(CSIDL_DESKTOPDIRECTORY);
    return folder.empty() ? folder : folder + "\\Tabulon.lnk";
}

std::string CWinShortcuts::MenuShortcutPath()
{
    const std::string folder = ShellFolder(CSIDL_STARTMENU);
    return folder.empty() ? folder : folder + "\\Programs\\Tabulon.lnk";
}

bool CWinShortcuts::CreateShortcut(const std::string& target, const std::string& shortcutFile,
                                   const std::string& description)
{
    if (target.empty() || shortcutFile.empty()) return false;
    // The link object takes the classic form of a path only.
    const std::wstring file = WideText(shortcutFile);
    if (!MakeParentFolders(file)) return false;
    ComScope com;
    IShellLinkW* link = nullptr;
    if (FAILED(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                  reinterpret_cast<void**>(&link))))
        return false;
    bool saved = false;
    IPersistFile* persist = nullptr;
    if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&persist)))) {
        // A failed save is reported too, so that the user hears of it.
        saved = SUCCEEDED(link->SetPath(WideText(target).c_str())) &&
                SUCCEEDED(link->SetDescription(WideText(description).c_str())) &&
                SUCCEEDED(persist->Save(file.c_str(), TRUE));
        persist->Release();
    }
    link->Release();
    return saved;
}

bool CWinShortcuts::DeleteShortcut(const std::string&, const std::string& shortcutFile, const std::string&)
{
    if (shortcutFile.empty()) return true;
    const std::wstring file = WidePath(shortcutFile);
    return ::DeleteFileW(file.c_str()) || ::GetLastError() == ERROR_FILE_NOT_FOUND ||
           ::GetLastError() == ERROR_PATH_NOT_FOUND;
}
