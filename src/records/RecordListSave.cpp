#include <cstring>
#include <memory>

#include "app/Globals.h"
#include "platform/Platform.h"
#include "platform/posix/AtomicFileWriter.h"
#include "records/RecordList.h"
#include "records/RecordMessages.h"
#include "records/TabExpansion.h"
#include "view/AppViewBase.h"

namespace {

bool ExpandTabsOnSave() { return theView && theView->sourceMode && theSettings.srcSave; }

}  // namespace

int CRecordList::Save(bool noBookkeeping, const std::string& path, std::uint16_t mode)
{
    CBackupCopy backup;
    if (!noBookkeeping) {
        std::string backupName = path;
        backupName += kBackupSuffix;
        backup.Prepare(path, backupName);  // a failed backup does not stop the save
    }
    // The autosave copy is as private as the document's own file.
    const int result = WriteRecords(path, mode, noBookkeeping ? fileName : std::string());
    // The older backup is replaced only now, whatever the outcome.
    backup.Install();
    if (result != 0 || noBookkeeping) return result;

    ReadFileStatus(path, &file.status);
    if (recoveryCopyWritten) DeleteRecoveryCopy();
    if (fileName != path) fileName = path;
    return 0;
}

int CRecordList::WriteRecords(const std::string& path, std::uint16_t mode, const std::string& permissionsFrom)
{
    CAtomicFileWriter writer;
    if (!writer.Begin(path, permissionsFrom)) return 1;
    file.mode = mode;
    file.recordWidth = 0;

    static constexpr std::uint8_t kCrLf[] = {'\r', '\n'};
    const std::uint8_t* terminator = (mode & kModeDos) ? kCrLf : kCrLf + 1;
    const std::size_t terminatorLength = (mode & kModeDos) ? 2 : (mode & kModeUnix) ? 1 : 0;
    const bool expand = ExpandTabsOnSave();
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
            return 1;  // the writer removes its temporary file
    }
    return writer.Commit() ? 0 : 1;
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
