#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <wx/docview.h>

#include "app/DocumentHooks.h"

class CRecordList;

// The document: one file seen as a list of records. It owns the record list
// (published as theRecordList), keeps the path name, title and modified
// flag, and turns opens and saves into calls of the record list.
class CAppDoc : public wxDocument, public IDocumentHooks {
public:
    CAppDoc();
    ~CAppDoc() override;

    bool IsModified() const override;
    void SetModifiedFlag(bool modified = true);

    // A new untitled document (File > New and a start without a file): view
    // modes from the pending request and the settings, one empty DOS record.
    // Refused while the document is still modified.
    bool OnNewDocument() override;
    // An open through the framework (the command line): OpenFile with the
    // pending request, which is used up.
    bool OnOpenDocument(const wxString& path) override;
    // Saves in the document's current format.
    bool OnSaveDocument(const wxString& path) override;
    // "Save changes to %1?" before the document is replaced or the program
    // ends; false when the user cancels or the save fails.
    bool OnSaveModified() override;

    // Reads a file: `flags` bits 0-1 the mode request, bit 2 source mode,
    // bit 3 hex display; a non-zero width requests binary records. A file
    // that cannot be opened gives an untitled document after a message.
    // False (and nothing done) while the document is modified, and after
    // the message when the file needs more memory than is available: the
    // document stays as it was.
    bool OpenFile(const std::string& path, std::uint32_t flags, std::int32_t width);

    // After every change to the records: the first change marks the title.
    void MarkModified() override;
    // The changes are all undone: no longer modified, no mark in the title.
    void ClearModified() override;

    // Writes the records to `path` in `mode` (0 binary, 1 DOS, 2 UNIX). On
    // success the document takes that name and is no longer modified; on
    // failure it keeps its name, title and modified state.
    bool SaveDocument(const std::string& path, std::uint16_t mode);

    // The timed autosave copy of a modified document; true when there was
    // nothing to do.
    bool AutoSave();

    // True while a load or a save (with the questions they ask) runs.
    bool Busy() const { return busy_ > 0; }
    // The program is being ended from outside: a modified document writes
    // its autosave copy, whatever the autoSave setting, and keeps it; an
    // unmodified one lets go of its copy. Shows nothing, as the display may
    // be gone. False when the copy could not be written.
    bool WriteCopyForExit();

    // The full path of the document's file; empty when untitled.
    std::string PathName() const;

private:
    // Sets the framework's path name and the title (the file's name).
    void SetPathName(const std::string& path, bool addToRecentFiles);
    void SetUntitled();
    // Makes `records` the document's list and frees the previous one.
    void ReplaceRecords(std::unique_ptr<CRecordList> records);

    std::unique_ptr<CRecordList> records_;
    int busy_ = 0;
    // The first document of the program offers a left-behind untitled copy.
    bool started_ = false;

    wxDECLARE_DYNAMIC_CLASS(CAppDoc);
};
