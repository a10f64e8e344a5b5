#include <cstring>
#include <memory>

#include "app/Globals.h"
#include "platform/CanonicalPath.h"
#include "platform/DocumentFileWriter.h"
#include "platform/Platform.h"
#include "records/RecordList.h"
#include "records/RecordMessages.h"
#include "records/TabExpansion.h"
#include "view/AppViewBase.h"

namespace {

bool ExpandTabsOnSave() { return theView && theView->sourceMode && theSettings.srcSave; }

std::size_t TerminatorLength(std::uint16_t mode) { return (mode & kModeDos) ? 2 : (mode & kModeUnix) ? 1 : 0; }

// True when both names lead to one file, so that removing one would remove
// what the other names.
bool SamePath(const std::string& a, const std::string& b)
{
    std::string first, second;
    return CanonicalPath(a, &first) && CanonicalPath(b, &second) && first == second;
}

}  // namespace

int CRecordList::Save(bool noBookkeeping, const std::string& path, std::uint16_t mode)
{
    std::string backupName;
    if (!noBookkeeping) {
        backupName = path;
        backupName += kBackupSuffix;
    }
    // The autosave copy is as private as the document's own file.
    const int result = WriteRecords(path, mode, noBookkeeping ? fileName : std::string(), backupName);
    if (result != 0 || noBookkeeping) return result;

    ReadFileStatus(path, &file.status);
    if (recoveryCopyWritten) {
        // Saved under the autosave copy's own name: that copy is now the file.
        if (SamePath(RecoveryCopyName(), path))
            recoveryCopyWritten = false;
        else
            DeleteRecoveryCopy();
    }
    if (fileName != path) fileName = path;
    return 0;
}

std::uint64_t CRecordList::SavedSize(std::uint16_t mode, bool expandTabs)
{
    std::uint64_t size = static_cast<std::uint64_t>(recordCount) * TerminatorLength(mode);
    if (!expandTabs) return size + static_cast<std::uint64_t>(totalBytes);
    RecordNode* node = head;
    for (std::int32_t number = 1; number <= recordCount && node; ++number, node = node->next) {
        const bool hasTab = std::memchr(node->data, '\t', node->length) != nullptr;
        size += static_cast<std::uint64_t>(
            hasTab ? ExpandTabsInto(node->data, node->length, workBuffer, theSettings.srcMark) : node->length);
    }
    return size;
}

int CRecordList::WriteRecords(const std::string& path, std::uint16_t mode, const std::string& permissionsFrom,
                              const std::string& backupName)
{
    CDocumentFileWriter writer;
    if (!writer.Begin(path, permissionsFrom, backupName)) return 1;
    const bool expand = ExpandTabsOnSave();
    if (writer.InPlace() && !writer.Reserve(SavedSize(mode, expand))) return 1;

    // A save that fails keeps the mode and width the document had.
    const std::uint16_t oldMode = file.mode;
    const std::int32_t oldWidth = file.recordWidth;
    file.mode = mode;
    file.recordWidth = 0;
    const auto fail = [&] {
        file.mode = oldMode;
        file.recordWidth = oldWidth;
        return 1;  // the writer removes its temporary file
    };

    static constexpr std::uint8_t kCrLf[] = {'\r', '\n'};
    const std::uint8_t* terminator = (mode & kModeDos) ? kCrLf : kCrLf + 1;
    const std::size_t terminatorLength = TerminatorLength(mode);
    RecordNode* node = head;
    for (std::int32_t number = 1; number <= recordCount && node; ++number, node = node->next) {
        const std::uint8_t* bytes = node->data;
        int length = node->length;
        if (expand) {
            length = ExpandTabsInto(node->data, node->length, workBuffer, theSettings.srcMark);
            bytes = workBuffer;
            if (length == kMaxRecordLength)
                ShowMessage(FillIn(kFmtSizeLimitReached, number), kCapLineTooLong, MbIcon::Stop);
        }
        if (!writer.Write(bytes, static_cast<std::size_t>(length)) || !writer.Write(terminator, terminatorLength))
            return fail();
    }
    return writer.Commit() ? 0 : fail();
}

bool CRecordList::SaveWithMessage(const std::string& path, std::uint16_t mode)
{
    if (Save(false, path, mode) == 0) return true;
    ShowMessage(kMsgCannotSave, kCapFileError, MbIcon::Stop);
    return false;
}

int CRecordList::ExpandTabs(std::uint8_t* bytes, int length)
{
    const auto original = std::make_unique<std::uint8_t[]>(static_cast<std::size_t>(length) + 1);
    std::memcpy(original.get(), bytes, static_cast<std::size_t>(length));
    return ExpandTabsInto(original.get(), length, bytes, theSettings.srcMark);
}
