#include <cstdint>
#include <limits>

#include "platform/Platform.h"
#include "records/RecordList.h"
#include "records/RecordMessages.h"

namespace {

constexpr std::int64_t kCounterLimit = std::numeric_limits<std::int32_t>::max();
std::int64_t counterLimit = kCounterLimit;

enum class Pass { Complete, Incomplete, ReloadAsBinary, TooLarge, OutOfMemory };

// Asked at the first line that does not fit in a record; Yes loads the whole
// file as binary instead, No divides every over-long line.
bool AskToLoadAsBinary(std::int64_t line)
{
    return ShowMessage(FillIn(kFmtLineTooLongQuestion, line), kCapLineTooLongQuestion, MbIcon::Question,
                       MbButtons::YesNo) == MbResult::Yes;
}

bool AppendRecord(CRecordList& list, int length)
{
    return list.NewRecord(nullptr, list.workBuffer, ContentLength(list.file.mode, list.workBuffer, length)) !=
           nullptr;
}

// Reads every record as it comes. For files too small to overflow the
// counters; the records are those that counting first and reading after
// would give, since dividing changes nothing before the first long line.
Pass ReadInOnePass(CRecordList& list)
{
    CRecordFile& file = list.file;
    bool divideLong = false;
    for (;;) {
        int length = 0;
        const auto read = file.ReadRecord(list.workBuffer, kMaxRecordLength, divideLong, &length);
        if (read == CRecordFile::ReadResult::EndOfFile) break;
        if (read == CRecordFile::ReadResult::TooLong) {
            if (AskToLoadAsBinary(list.recordCount + 1)) return Pass::ReloadAsBinary;
            divideLong = true;
        }
        if (!AppendRecord(list, length)) return Pass::OutOfMemory;
    }
    return file.readFailed ? Pass::Incomplete : Pass::Complete;
}

// Counts the records first, refusing a file whose record count or byte
// total would overflow the counters, then reads exactly that many.
Pass CountThenRead(CRecordList& list)
{
    CRecordFile& file = list.file;
    bool divideLong = false;
    std::int64_t count = 0;
    std::int64_t contentBytes = 0;
    for (;;) {
        int length = 0;
        const auto read = file.ReadRecord(list.workBuffer, kMaxRecordLength, divideLong, &length);
        if (read == CRecordFile::ReadResult::EndOfFile) break;
        ++count;
        contentBytes += ContentLength(file.mode, list.workBuffer, length);
        if (count > counterLimit || contentBytes > counterLimit) return Pass::TooLarge;
        if (read == CRecordFile::ReadResult::TooLong) {
            if (AskToLoadAsBinary(count)) return Pass::ReloadAsBinary;
            divideLong = true;
        }
    }
    const std::int64_t countedBytes = file.bytesDelivered;
    bool complete = !file.readFailed;
    if (!file.Rewind()) return Pass::Incomplete;
    for (std::int64_t i = 0; i < count; ++i) {
        int length = 0;
        const auto read = file.ReadRecord(list.workBuffer, kMaxRecordLength, divideLong, &length);
        if (read == CRecordFile::ReadResult::EndOfFile) return Pass::Incomplete;  // the file shrank
        // A line that no longer fits: the file changed between the passes.
        if (read == CRecordFile::ReadResult::TooLong) complete = false;
        if (!AppendRecord(list, length)) return Pass::OutOfMemory;
    }
    if (file.bytesDelivered != countedBytes || !file.AtEnd()) complete = false;
    return complete ? Pass::Complete : Pass::Incomplete;
}

}  // namespace

void SetDocumentCounterLimitForTesting(std::int64_t limit) { counterLimit = limit > 0 ? limit : kCounterLimit; }

int CRecordList::Load(const std::string& path, std::uint16_t modeRequest, std::int32_t width)
{
    FreeAll();
    fileName.clear();
    loadOutcome = LoadOutcome::CannotOpen;
    if (file.Open(path, modeRequest & kRequestModeMask, width) != CRecordFile::OpenResult::Opened) return 1;
    const int result = LoadRecords(path);
    file.Close();
    return result;
}

int CRecordList::LoadRecords(const std::string& path)
{
    if (file.status.size == 0) {
        fileName = path;
        if (!NewRecord(nullptr, nullptr, 0)) return 1;
        loadOutcome = LoadOutcome::Loaded;
        return 0;
    }
    // Records never hold more bytes than the file, nor are there more of
    // them; binary records keep every byte, so for them the size decides.
    const bool mayOverflow = file.status.size > counterLimit;
    Pass pass = Pass::TooLarge;
    if (IsTextMode(file.mode) || !mayOverflow) pass = mayOverflow ? CountThenRead(*this) : ReadInOnePass(*this);

    switch (pass) {
    case Pass::ReloadAsBinary:
        FreeAll();
        file.Close();
        return Load(path, kRequestAuto, kDefaultBinaryWidth);
    case Pass::TooLarge:
        FreeAll();
        ShowMessage(FillIn(kFmtFileTooLarge, path), kCapOops, MbIcon::Stop);
        loadOutcome = LoadOutcome::Refused;
        return 1;
    case Pass::OutOfMemory:  // already reported; the program is ending
        return 1;
    case Pass::Complete:
    case Pass::Incomplete:
        break;
    }
    if (recordCount == 0) return 1;  // not a byte could be read
    fileName = path;
    if (pass == Pass::Incomplete || file.ChangedSinceOpen()) {
        ShowMessage(FillIn(kFmtReadPartly, path), kCapHoldUp, MbIcon::Warning);
        loadOutcome = LoadOutcome::Partial;
        return 1;
    }
    loadOutcome = LoadOutcome::Loaded;
    return 0;
}
