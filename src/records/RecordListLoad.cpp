#include <cstdint>
#include <limits>

#include "app/Globals.h"
#include "platform/Platform.h"
#include "records/RecordList.h"
#include "records/RecordMessages.h"
#include "view/AppViewBase.h"

namespace {

constexpr std::int64_t kCounterLimit = std::numeric_limits<std::int32_t>::max();
std::int64_t counterLimit = kCounterLimit;

}  // namespace

void SetDocumentCounterLimitForTesting(std::int64_t limit) { counterLimit = limit > 0 ? limit : kCounterLimit; }

int CRecordList::Load(const std::string& path, std::uint16_t modeRequest, std::int32_t width)
{
    FreeAll();
    fileName.clear();
    loadOutcome = LoadOutcome::CannotOpen;
    if (file.Open(path, modeRequest & kRequestModeMask, width) != CRecordFile::OpenResult::Opened) return 1;
    // Source mode makes no sense for binary records.
    if (!IsTextMode(file.mode) && theView) theView->sourceMode = false;
    const int result = LoadRecords(path);
    file.Close();
    return result;
}

// The two passes over the open file: count the records (settling what to do
// with over-long lines), then read exactly that many.
int CRecordList::LoadRecords(const std::string& path)
{
    if (file.status.size == 0) {
        fileName = path;
        if (!NewRecord(nullptr, nullptr, 0)) return 1;
        loadOutcome = LoadOutcome::Loaded;
        return 0;
    }
    const auto refuse = [&] {
        ShowMessage(FillIn(kFmtFileTooLarge, path), kCapOops, MbIcon::Stop);
        loadOutcome = LoadOutcome::Refused;
        return 1;
    };
    // Binary records keep every byte, so the size alone decides.
    if (!IsTextMode(file.mode) && file.status.size > counterLimit) return refuse();
    fileName = path;

    bool divideLong = false;
    std::int64_t count = 0;
    std::int64_t contentBytes = 0;
    for (;;) {
        int length = 0;
        const auto read = file.ReadRecord(workBuffer, kMaxRecordLength, divideLong, &length);
        if (read == CRecordFile::ReadResult::EndOfFile) break;
        ++count;
        contentBytes += ContentLength(file.mode, workBuffer, length);
        if (count > counterLimit || contentBytes > counterLimit) {
            fileName.clear();
            return refuse();
        }
        if (read == CRecordFile::ReadResult::TooLong) {
            const MbResult answer = ShowMessage(FillIn(kFmtLineTooLongQuestion, count), kCapLineTooLongQuestion,
                                                MbIcon::Question, MbButtons::YesNo);
            if (answer == MbResult::Yes) {
                file.Close();
                fileName.clear();
                return Load(path, kRequestAuto, kDefaultBinaryWidth);
            }
            divideLong = true;
        }
    }
    if (count == 0) {
        // Not a byte could be read.
        fileName.clear();
        return 1;
    }
    const std::int64_t countedBytes = file.bytesDelivered;
    bool complete = !file.readFailed;
    if (!file.Rewind()) {
        fileName.clear();
        return 1;
    }
    for (std::int64_t i = 0; i < count; ++i) {
        int length = 0;
        const auto read = file.ReadRecord(workBuffer, kMaxRecordLength, divideLong, &length);
        if (read == CRecordFile::ReadResult::EndOfFile) {
            complete = false;  // the file shrank
            break;
        }
        // A line that no longer fits: the file changed between the passes.
        if (read == CRecordFile::ReadResult::TooLong) complete = false;
        if (!NewRecord(nullptr, workBuffer, ContentLength(file.mode, workBuffer, length))) return 1;
    }
    complete = complete && !file.readFailed && file.bytesDelivered == countedBytes && file.AtEnd() &&
               !file.ChangedSinceOpen();
    if (recordCount == 0) {
        fileName.clear();
        return 1;
    }
    if (!complete) {
        ShowMessage(FillIn(kFmtReadPartly, path), kCapHoldUp, MbIcon::Warning);
        loadOutcome = LoadOutcome::Partial;
        return 1;
    }
    loadOutcome = LoadOutcome::Loaded;
    return 0;
}
