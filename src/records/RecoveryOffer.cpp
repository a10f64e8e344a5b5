#include "records/RecoveryOffer.h"

#include <cstdio>
#include <ctime>
#include <utility>

#include "platform/CanonicalPath.h"
#include "platform/FileHandle.h"
#include "platform/FileStatus.h"
#include "platform/InstanceLock.h"
#include "platform/Platform.h"
#include "platform/TimeText.h"
#include "records/OpenMode.h"
#include "records/RecordMessages.h"
#include "records/RecoveryNames.h"

namespace {

std::string SavedAtText(std::int64_t seconds)
{
    LocalTime time;
    if (!LocalTimeFields(seconds, &time)) time = LocalTime{1970, 1, 1, 0, 0, 0};
    char text[64];
    std::snprintf(text, sizeof text, kFmtRecoverySavedAt, time.year, time.month, time.day, time.hour, time.minute,
                  time.second);
    return text;
}

bool OlderThan(const FileStatus& a, const FileStatus& b)
{
    return a.modifyTime < b.modifyTime || (a.modifyTime == b.modifyTime && a.modifyNanoseconds < b.modifyNanoseconds);
}

// A path to show: absolute, so that a copy in the current folder is found.
std::string ShownPath(const std::string& path)
{
    std::string shown = path;
    return CanonicalPath(path, &shown) ? shown : path;
}

// The question; true for Yes. `filePath` is empty for an untitled document,
// which has no file to compare with.
bool AskToOpenCopy(const std::string& shownName, const std::string& copyName, const std::string& filePath)
{
    FileStatus copy;
    if (!ReadFileStatus(copyName, &copy)) copy = FileStatus{};
    std::string note;
    if (!filePath.empty()) {
        FileStatus file;
        if (!IsRegularFile(filePath) || !ReadFileStatus(filePath, &file)) note = kRecoveryFileMissing;
        else if (OlderThan(copy, file)) note = kRecoveryCopyOlder;
    }
    // Put together piece by piece: a name may itself hold "%s".
    const std::string format = kFmtRecoveryOffer;
    const std::size_t first = format.find("%s");
    const std::size_t second = format.find("%s", first + 2);
    const std::size_t lastLine = format.rfind('\n') + 1;
    std::string text = format.substr(0, first);
    text += shownName;
    text += format.substr(first + 2, second - first - 2);
    text += SavedAtText(copy.modifyTime);
    text += format.substr(second + 2, lastLine - second - 2);
    if (!note.empty()) {
        text += note;
        text += '\n';
    }
    text += format.substr(lastLine);
    return ShowMessage(text, kCapHoldUp, MbIcon::Warning, note.empty() ? MbButtons::YesNo : MbButtons::YesNoDefaultNo) ==
           MbResult::Yes;
}

// After No: the copy goes to a stamped name of the time it was saved.
void MoveAsideAndTell(const std::string& copyName)
{
    FileStatus copy;
    const std::int64_t seconds = ReadFileStatus(copyName, &copy) ? copy.modifyTime : std::time(nullptr);
    std::string movedTo;
    if (MoveCopyAside(copyName, seconds, &movedTo))
        ShowMessage(FillIn(kFmtRecoveryCopyMoved, ShownPath(movedTo)), kCapHoldUp, MbIcon::Information);
    else
        ShowMessage(FillIn(kFmtRecoveryCopyStays, ShownPath(copyName)), kCapHoldUp, MbIcon::Warning);
}

// The copy's records, read as `flags` and `width` ask. Null records when
// nothing could be read; the user has been told.
OpenedRecords ReadCopy(const std::string& copyName, std::uint16_t flags, std::int32_t width, IProgressSink* progress)
{
    OpenedRecords opened = OpenRecords(copyName, flags, width, progress);
    if (opened.outcome == LoadOutcome::CannotOpen)
        ShowMessage(FillIn(kFmtCannotOpen, ShownPath(copyName)), kCapOops, MbIcon::Stop);
    if (opened.outcome == LoadOutcome::CannotOpen || opened.outcome == LoadOutcome::Refused) return {};
    opened.records->AdoptRecoveryCopy(copyName);
    opened.recovered = true;
    return opened;
}

// The open request `path` itself gets: an AUTO request becomes the mode and
// width detected on the file. A file that cannot be read leaves AUTO, so
// that the copy decides.
void RequestOfFile(const std::string& path, std::uint16_t* flags, std::int32_t* width)
{
    if (*width != 0 || (*flags & kRequestModeMask) != kRequestAuto) return;
    CRecordFile probe;
    if (probe.Open(path, kRequestAuto, 0) == CRecordFile::OpenResult::Opened) {
        if (IsTextMode(probe.mode)) *flags |= probe.mode & kRequestModeMask;
        else *width = probe.recordWidth;
    }
    probe.Close();
}

}  // namespace

OpenedRecords OpenOfferingCopy(const std::string& path, std::uint16_t flags, std::int32_t width,
                               IProgressSink* progress)
{
    const std::string copyName = RecoveryCopyNameFor(path);
    CInstanceLock lock;
    const bool offered = lock.Acquire(RecoveryLockNameFor(copyName)) != CInstanceLock::State::HeldElsewhere &&
                         IsRegularFile(copyName);
    const bool takeCopy = offered && AskToOpenCopy(path, copyName, path);
    OpenedRecords opened;
    if (takeCopy) {
        std::uint16_t fileFlags = flags;
        std::int32_t fileWidth = width;
        RequestOfFile(path, &fileFlags, &fileWidth);
        opened = ReadCopy(copyName, fileFlags, fileWidth, progress);
        if (opened.records) {
            CRecordList& list = *opened.records;
            list.fileName = path;
            // The file as it is now is what a save replaces.
            if (!ReadFileStatus(path, &list.file.status)) list.file.status = FileStatus{};
        }
    }
    if (!opened.records) {
        opened = OpenRecords(path, flags, width, progress);
        if (offered && !takeCopy) MoveAsideAndTell(copyName);
    }
    if (opened.records && !opened.records->fileName.empty()) opened.records->AdoptInstanceLock(std::move(lock));
    return opened;
}

OpenedRecords NewOfferingCopy(const std::string& untitledName, IProgressSink* progress)
{
    const std::string copyName = RecoveryCopyNameFor("");
    CInstanceLock lock;
    const bool offered = lock.Acquire(RecoveryLockNameFor(copyName)) != CInstanceLock::State::HeldElsewhere &&
                         IsRegularFile(copyName);
    OpenedRecords opened;
    if (offered) {
        // Untitled documents are DOS until they are saved under a name.
        if (AskToOpenCopy(untitledName, copyName, "")) opened = ReadCopy(copyName, kModeDos, 0, progress);
        else MoveAsideAndTell(copyName);
    }
    if (opened.records) {
        CRecordList& list = *opened.records;
        list.fileName.clear();
        list.file.status = FileStatus{};
    } else {
        opened = OpenedRecords{NewUntitledRecords(), LoadOutcome::Loaded};
        if (!opened.records) return opened;
    }
    opened.records->AdoptInstanceLock(std::move(lock));
    return opened;
}
