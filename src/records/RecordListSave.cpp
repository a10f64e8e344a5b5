#include <cstring>
#include <memory>

#include "platform/CanonicalPath.h"
#include "platform/DocumentFileWriter.h"
#include "platform/Platform.h"
#include "records/FileImage.h"
#include "records/ProgressMeter.h"
#include "records/RecordList.h"
#include "records/RecordMessages.h"
#include "records/TabExpansion.h"

namespace {

std::size_t TerminatorLength(std::uint16_t mode) { return (mode & kModeDos) ? 2 : (mode & kModeUnix) ? 1 : 0; }

constexpr std::ptrdiff_t kLongestRun = 16 << 20;

// True when a record still borrows its bytes from a file's image and they
// are followed there by exactly `terminator`: the record and its line
// break can be written straight from the image.
bool FollowedInImage(const RecordNode* node, const std::uint8_t* terminator, std::size_t terminatorLength)
{
    if (!IsBorrowed(node)) return false;
    const CFileImage* image = CFileImage::Containing(node->data);
    const std::uint8_t* end = node->data + node->length;
    if (!image || end + terminatorLength > image->Bytes() + image->size) return false;
    for (std::size_t i = 0; i < terminatorLength; ++i)
        if (end[i] != terminator[i]) return false;
    return true;
}

// True when both names lead to one file, so that removing one would remove
// what the other names.
bool SamePath(const std::string& a, const std::string& b)
{
    std::string first, second;
    return CanonicalPath(a, &first) && CanonicalPath(b, &second) && first == second;
}

// "Overwrite it?" about a file another program changed; No is the default.
bool AskToOverwriteChanged(const std::string& path)
{
    return ShowMessage(FillIn(kFmtChangedOnDisk, path, path), kCapHoldUp, MbIcon::Warning,
                       MbButtons::YesNoDefaultNo) == MbResult::Yes;
}

}  // namespace

int CRecordList::Save(bool noBookkeeping, const std::string& path, std::uint16_t mode, const SourceOptions& options,
                      bool backupRequired)
{
    std::string backupName;
    if (!noBookkeeping) {
        backupName = path;
        backupName += kBackupSuffix;
    }
    // The autosave copy is as private as the document's own file.
    const int result = WriteRecords(path, mode, noBookkeeping ? fileName : std::string(), backupName,
                                    backupRequired && !noBookkeeping, options);
    if (result != 0 || noBookkeeping) return result;

    // Gone again already: no times to show rather than those of the file
    // the document came from.
    if (!ReadFileStatus(path, &file.status)) file.status = FileStatus{};
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

std::uint64_t CRecordList::SavedSize(std::uint16_t mode, const SourceOptions& options)
{
    std::uint64_t size = static_cast<std::uint64_t>(recordCount) * TerminatorLength(mode);
    if (!options.ExpandTabsOnSaveOn()) return size + static_cast<std::uint64_t>(totalBytes);
    RecordNode* node = head;
    for (RecordIndex number = 1; number <= recordCount && node; ++number, node = node->next) {
        const bool hasTab = std::memchr(node->data, '\t', node->length) != nullptr;
        size += static_cast<std::uint64_t>(
            hasTab ? ExpandTabsInto(node->data, node->length, workBuffer, options.tabStop) : node->length);
    }
    return size;
}

int CRecordList::WriteRecords(const std::string& path, std::uint16_t mode, const std::string& permissionsFrom,
                              const std::string& backupName, bool backupRequired, const SourceOptions& options)
{
    CDocumentFileWriter writer;
    if (!writer.Begin(path, permissionsFrom, backupName, backupRequired)) return 1;
    const bool expand = options.ExpandTabsOnSaveOn();
    if (writer.InPlace() && !writer.Reserve(SavedSize(mode, options))) return 1;

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
    CProgressMeter progress(progressSink, static_cast<std::uint64_t>(totalBytes) +
                                              static_cast<std::uint64_t>(recordCount) * terminatorLength);
    std::uint64_t written = 0;
    // Unchanged records that follow each other in a file's image, each with
    // the terminator written, go out as one run.
    const std::uint8_t* runStart = nullptr;
    const std::uint8_t* runEnd = nullptr;
    const auto writeRun = [&] {
        const std::uint8_t* start = runStart;
        const auto count = static_cast<std::size_t>(runEnd - runStart);
        runStart = runEnd = nullptr;
        written += count;
        return count == 0 || writer.Write(start, count);
    };
    RecordNode* node = head;
    for (RecordIndex number = 1; number <= recordCount && node; ++number, node = node->next) {
        if (number % kRecordsPerProgressStep == 0) progress.Update(written);
        if (!expand && FollowedInImage(node, terminator, terminatorLength)) {
            if (node->data != runEnd) {
                if (!writeRun()) return fail();
                runStart = node->data;
            }
            runEnd = node->data + node->length + terminatorLength;
            // Written in pieces of some megabytes, so that progress can be shown.
            if (runEnd - runStart >= kLongestRun && !writeRun()) return fail();
            continue;
        }
        if (!writeRun()) return fail();
        written += node->length + terminatorLength;
        const std::uint8_t* bytes = node->data;
        int length = node->length;
        if (expand) {
            length = ExpandTabsInto(node->data, node->length, workBuffer, options.tabStop);
            bytes = workBuffer;
            if (length == kMaxRecordLength)
                ShowMessage(FillIn(kFmtSizeLimitReached, number), kCapLineTooLong, MbIcon::Stop);
        }
        if (!writer.Write(bytes, static_cast<std::size_t>(length)) || !writer.Write(terminator, terminatorLength))
            return fail();
    }
    if (!writeRun()) return fail();
    return writer.Commit() ? 0 : fail();
}

bool CRecordList::ChangedOnDisk(const std::string& path) const
{
    if (fileName.empty() || (fileName != path && !SamePath(fileName, path))) return false;
    FileStatus now;
    return ReadFileStatus(path, &now) && !SameContentsStatus(now, file.status);
}

bool CRecordList::SaveWithMessage(const std::string& path, std::uint16_t mode, const SourceOptions& options)
{
    // The other program's bytes are overwritten only with the user's word,
    // and kept in the backup as the question promises.
    const bool changed = ChangedOnDisk(path);
    if (changed && !AskToOverwriteChanged(path)) return false;
    if (Save(false, path, mode, options, changed) == 0) return true;
    ShowMessage(kMsgCannotSave, kCapFileError, MbIcon::Stop);
    return false;
}

int CRecordList::ExpandTabs(std::uint8_t* bytes, int length, int tabStop)
{
    const auto original = std::make_unique<std::uint8_t[]>(static_cast<std::size_t>(length) + 1);
    std::memcpy(original.get(), bytes, static_cast<std::size_t>(length));
    return ExpandTabsInto(original.get(), length, bytes, tabStop);
}
