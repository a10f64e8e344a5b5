#pragma once
#include <string>
#include <vector>

#include "options/FileTypeList.h"
#include "platform/FileTypes.h"

// The check boxes of the File Types dialog and what they do, without the
// toolkit. Every box has three states; a box is mixed when the selected
// rows differ in it.
enum class Tri { Unchecked, Checked, Mixed };

// The open-mode boxes, used as one set of radio buttons.
enum OpenModeBox { kAutoBox, kBinaryBox, kDosBox, kUnixBox, kOpenModeBoxCount };

struct FileTypeControls {
    Tri enable = Tri::Unchecked;
    Tri hex = Tri::Unchecked;
    Tri source = Tri::Unchecked;
    Tri openMode[kOpenModeBoxCount] = {Tri::Unchecked, Tri::Unchecked, Tri::Unchecked, Tri::Unchecked};
    std::string widthText = "64";
    // The extensions of the selected rows, for the read-only field.
    std::string extensions;
    // The keys of the rows the boxes were built from, sorted.
    std::vector<long> rows;

    // Mode controls as after a reset: all open-mode boxes and the view
    // boxes unchecked, width "64".
    void ResetModes();
    // Whether the mode controls (view and open-mode boxes, width) are usable.
    bool ModesEnabled() const { return enable != Tri::Unchecked; }
};

// The boxes after a click in the list, for the selected rows in list order.
FileTypeControls ControlsForSelection(const std::vector<const FileTypeEntry*>& rows);

// Brings the boxes to the rows selected now (in list order), as a click in
// the list does. Only another set of rows rebuilds them: the same rows in a
// new order, as after a sort, keep the boxes and their unapplied clicks.
// Answers whether the boxes were rebuilt.
bool FollowSelection(FileTypeControls* controls, CFileTypeList& list, const std::vector<long>& selected);

// A click on a box. Enable: a mixed state becomes unchecked, the modes are
// reset and, when it is now checked, Auto is checked. Hex and Source: a
// mixed state becomes unchecked. An open-mode box is checked and the others
// unchecked.
void ClickEnable(FileTypeControls* controls, bool checkedNow);
void ClickViewBox(Tri* box, bool checkedNow);
void ClickOpenMode(FileTypeControls* controls, OpenModeBox box);

// Apply: changes every selected row (in list order) as the boxes say and
// writes or removes its verb with the program path `programPath`. With
// Enable mixed, rows that are not enabled are left alone; a mixed view or
// open-mode box keeps each row's own value. A verb that cannot be written
// is reported ("Cannot write to Registry!") and ends the Apply there; that
// row keeps what it had. Answers the keys of the rows that changed.
std::vector<long> ApplyFileTypeControls(CFileTypeList& list, const std::vector<long>& selected,
                                        const FileTypeControls& controls, const std::string& programPath,
                                        IFileTypes& fileTypes, void* owner = nullptr);
