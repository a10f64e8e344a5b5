#pragma once
#include <string>

#include "platform/Registry.h"
#include "settings/Settings.h"

class IFileTypes;
class IShortcuts;

// The values the Options sheet's pages edit, their bounds and the pages'
// OK steps, without the toolkit. Each page keeps its own copy of the
// settings it edits; the settings change only in its OK step.

inline constexpr float kMinMargin = 0.0f;
inline constexpr float kMaxMargin = 4.0f;
// Margin spins count hundredths of an inch, ten to a step.
inline constexpr int kMaxMarginSpin = 400;
inline constexpr int kMarginSpinStep = 10;

// What the OK steps need from the main window.
class IOptionsHost {
public:
    virtual ~IOptionsHost() = default;
    // The tab width changed: the view repaints, the status bar and the
    // caret follow.
    virtual void TabWidthChanged() = 0;
    // Switches autosave with its timer.
    virtual void SetAutoSave(bool on) = 0;
};

struct PrintPageValues {
    int printFont = 8;
    bool printFile = true;
    bool printPage = true;
    bool printLine = true;
    bool printRuler = false;
    // Left, Right, Top, Bottom, in inches.
    float margins[4] = {0.5f, 0.5f, 0.5f, 0.5f};

    static PrintPageValues From(const Settings& settings);
    void ApplyTo(Settings& settings) const;
};

struct SourcePageValues {
    int srcMark = 4;
    bool srcSmart = true;
    bool srcType = false;
    bool srcSave = false;

    static SourcePageValues From(const Settings& settings);
    // Sets the settings; a changed tab width is told to the host.
    void ApplyTo(Settings& settings, IOptionsHost& host) const;
};

struct SetupPageValues {
    bool autoHex = false;
    bool autoSource = false;
    bool autoSave = false;
    bool registryAccess = false;

    static SetupPageValues From(const Settings& settings);
    // The Setup page's OK step: the automatic modes; saving the settings when
    // registry access is switched on; when it is switched off, the question
    // "Are you sure you want to remove Tabulon from the Registry?" and on Yes
    // the removal of the shortcuts, the settings key and the verbs; the
    // autosave switch through the host; and the registry-access flag (also
    // after No).
    void ApplyTo(Settings& settings, IRegistry& registry, IFileTypes& fileTypes, IShortcuts& shortcuts,
                 IOptionsHost& host, void* owner = nullptr) const;
};
