#include "options/FileTypeControls.h"

#include <algorithm>

#include "options/OptionsMessages.h"
#include "options/VerbCommandLine.h"
#include "platform/Platform.h"

namespace {

Tri FromBool(bool on) { return on ? Tri::Checked : Tri::Unchecked; }

// A box that differs from a further row's value becomes mixed.
void Merge(Tri* box, bool value)
{
    if (*box != FromBool(value)) *box = Tri::Mixed;
}

// The open-mode box a row shows: DOS or UNIX by its mode, else Binary when
// it has a width, else Auto when it is enabled, else none.
int ExpectedOpenMode(const FileTypeEntry& entry)
{
    if (entry.mode == 1) return kDosBox;
    if (entry.mode == 2) return kUnixBox;
    if (entry.width != 0) return kBinaryBox;
    if (entry.enabled) return kAutoBox;
    return -1;
}

long FieldNumber(const std::string& text)
{
    long value = 0;
    std::size_t pos = 0;
    while (pos < text.size() && text[pos] == ' ') ++pos;
    while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9' && value < 1000000)
        value = value * 10 + (text[pos++] - '0');
    return value;
}

}  // namespace

void FileTypeControls::ResetModes()
{
    hex = Tri::Unchecked;
    source = Tri::Unchecked;
    for (auto& box : openMode) box = Tri::Unchecked;
    widthText = "64";
}

FileTypeControls ControlsForSelection(const std::vector<const FileTypeEntry*>& rows)
{
    FileTypeControls controls;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const FileTypeEntry& row = *rows[i];
        controls.extensions += " " + row.extensions;
        const int expected = ExpectedOpenMode(row);
        if (i == 0) {
            controls.enable = FromBool(row.enabled);
            controls.hex = FromBool(row.hex);
            controls.source = FromBool(row.source);
            if (expected >= 0) controls.openMode[expected] = Tri::Checked;
            if (expected == kBinaryBox) controls.widthText = std::to_string(row.width);
            continue;
        }
        Merge(&controls.enable, row.enabled);
        Merge(&controls.hex, row.hex);
        Merge(&controls.source, row.source);
        for (int box = 0; box < kOpenModeBoxCount; ++box) Merge(&controls.openMode[box], box == expected);
        if (FieldNumber(controls.widthText) < row.width) controls.widthText = std::to_string(row.width);
    }
    return controls;
}

bool FollowSelection(FileTypeControls* controls, CFileTypeList& list, const std::vector<long>& selected)
{
    std::vector<long> keys = selected;
    std::sort(keys.begin(), keys.end());
    if (keys == controls->rows) return false;
    std::vector<const FileTypeEntry*> rows;
    for (const long key : selected)
        if (const FileTypeEntry* entry = list.Find(key)) rows.push_back(entry);
    *controls = ControlsForSelection(rows);
    controls->rows = std::move(keys);
    return true;
}

void ClickEnable(FileTypeControls* controls, bool checkedNow)
{
    controls->enable = FromBool(checkedNow);
    controls->ResetModes();
    if (checkedNow) controls->openMode[kAutoBox] = Tri::Checked;
}

void ClickViewBox(Tri* box, bool checkedNow) { *box = FromBool(checkedNow); }

void ClickOpenMode(FileTypeControls* controls, OpenModeBox box)
{
    for (int i = 0; i < kOpenModeBoxCount; ++i) controls->openMode[i] = FromBool(i == box);
}

std::vector<long> ApplyFileTypeControls(CFileTypeList& list, const std::vector<long>& selected,
                                        const FileTypeControls& controls, const std::string& programPath,
                                        IFileTypes& fileTypes, void* owner)
{
    std::vector<long> changed;
    const bool enableMixed = controls.enable == Tri::Mixed;
    bool modesMixed = false;
    for (const Tri box : controls.openMode) modesMixed = modesMixed || box == Tri::Mixed;
    for (const long key : selected) {
        FileTypeEntry* stored = list.Find(key);
        if (!stored || (enableMixed && !stored->enabled)) continue;
        FileTypeEntry entry = *stored;
        if (controls.enable == Tri::Unchecked) {
            // A failed removal is not reported; the row shows what is left.
            fileTypes.RemoveVerb(entry.typeName);
            entry.enabled = entry.hex = entry.source = false;
            entry.mode = 0;
            entry.width = 0;
        } else {
            entry.enabled = true;
            if (controls.hex != Tri::Mixed) entry.hex = controls.hex == Tri::Checked;
            if (controls.source != Tri::Mixed) entry.source = controls.source == Tri::Checked;
            if (!modesMixed) {
                entry.mode = 0;
                entry.width = 0;
                if (controls.openMode[kAutoBox] == Tri::Checked) {
                    // AUTO: no switch.
                } else if (controls.openMode[kBinaryBox] == Tri::Checked) {
                    entry.width = BinaryWidthFromField(controls.widthText);
                } else {
                    entry.mode = controls.openMode[kDosBox] == Tri::Checked ? 1 : 2;
                }
            }
            // The row changes only once its verb is written, so that the list
            // never shows a verb the system does not have.
            if (!fileTypes.WriteVerb(entry.typeName, BuildVerbCommand(programPath, entry))) {
                ShowMessage(kCannotWriteVerb, kCannotWriteVerbCaption, MbIcon::Stop, MbButtons::Ok, owner);
                break;
            }
        }
        *stored = entry;
        changed.push_back(key);
    }
    return changed;
}
