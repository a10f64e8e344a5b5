#include "options/OptionsPages.h"

#include "options/OptionsMessages.h"
#include "platform/FileTypes.h"
#include "platform/Platform.h"
#include "platform/Shortcuts.h"
#include "settings/SettingsRegistry.h"

PrintPageValues PrintPageValues::From(const Settings& s)
{
    return PrintPageValues{s.printFont, s.printFile, s.printPage, s.printLine, s.printRuler,
                           {s.printLeft, s.printRight, s.printTop, s.printBottom}};
}

void PrintPageValues::ApplyTo(Settings& s) const
{
    s.printFont = printFont;
    s.printFile = printFile;
    s.printPage = printPage;
    s.printLine = printLine;
    s.printRuler = printRuler;
    s.printLeft = margins[0];
    s.printRight = margins[1];
    s.printTop = margins[2];
    s.printBottom = margins[3];
}

SourcePageValues SourcePageValues::From(const Settings& s)
{
    return SourcePageValues{s.srcMark, s.srcSmart, s.srcType, s.srcSave};
}

void SourcePageValues::ApplyTo(Settings& s, IOptionsHost& host) const
{
    const bool widthChanged = srcMark != s.srcMark;
    s.srcMark = srcMark;
    s.srcSmart = srcSmart;
    s.srcType = srcType;
    s.srcSave = srcSave;
    // Told after the new width is in place, so that the status bar and the
    // caret are placed by it.
    if (widthChanged) host.TabWidthChanged();
}

SetupPageValues SetupPageValues::From(const Settings& s)
{
    return SetupPageValues{s.autoHex, s.autoSource, s.autoSave, s.registryAccess};
}

void SetupPageValues::ApplyTo(Settings& s, IRegistry& registry, IFileTypes& fileTypes, IShortcuts& shortcuts,
                              IOptionsHost& host, void* owner) const
{
    s.autoSource = autoSource;
    s.autoHex = autoHex;
    if (registryAccess && !s.registryAccess) {
        // Switching the registry on is the user's choice to use it: a store
        // that could not be read is set aside for a fresh one.
        if (registry.IsUnreadable()) registry.DiscardUnreadable();
        SaveSettings(s, registry);
    }
    if (!registryAccess && s.registryAccess &&
        ShowMessage(kRemoveRegistrationQuestion, kRemoveRegistrationCaption, MbIcon::Question, MbButtons::YesNo,
                    owner) == MbResult::Yes) {
        // A shortcut that is already gone, or not one of ours, is no error.
        shortcuts.DeleteShortcut(s.exePath, shortcuts.DesktopShortcutPath(), kShortcutDescription);
        shortcuts.DeleteShortcut(s.exePath, shortcuts.MenuShortcutPath(), kShortcutDescription);
        if (!RemoveRegistration(registry, fileTypes))
            ShowMessage(kRemoveRegistrationFailed, kRemoveRegistrationFailedCaption, MbIcon::Stop, MbButtons::Ok,
                        owner);
    }
    if (autoSave != s.autoSave) host.SetAutoSave(autoSave);
    s.registryAccess = registryAccess;
}
