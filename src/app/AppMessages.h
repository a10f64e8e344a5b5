#pragma once

// Messages, captions and status texts of the application shell: start-up,
// the document's open and save bookkeeping, the main frame and autosave.

// (The document's own messages, such as "Cannot open", belong to the
// records subsystem: records/RecordMessages.h.)

// The main frame's question before File > Open.
inline constexpr char kSaveChangesFormat[] = "Save changes to %s?";
inline constexpr char kSaveChangesCaption[] = "Hold Up!";

// The framework's question before File > New and at exit; %1 is the
// document's name. Its caption is the program's title.
inline constexpr char kSaveModifiedFormat[] = "Save changes to %1?";

// Autosave progress in the status bar's message pane.
inline constexpr char kAutosaving[] = "Autosaving...";
inline constexpr char kAutosaveComplete[] = "Autosave complete";
inline constexpr char kAutosaveFailed[] = "Autosave failed";

// Progress of a long open or save in the status bar's message pane, with
// the percent done after it ("Reading... 42%").
inline constexpr char kReadingProgress[] = "Reading...";
inline constexpr char kSavingProgress[] = "Saving...";

// The About box.
inline constexpr char kAboutCaption[] = "About Tabulon";
inline constexpr char kAboutAuthor[] = "Written by the Tabulon developers";
inline constexpr char kVersionLabel[] = "Version:";
inline constexpr char kBuildDateLabel[] = "Build Date:";
