#include <cstdint>

#include "platform/Platform.h"
#include "records/CounterLimit.h"
#include "records/ProgressMeter.h"
#include "records/RecordList.h"
#include "records/RecordMessages.h"
#include "records/RecordStorage.h"

namespace {

enum class Pass { Complete, Incomplete, ReloadAsBinary, TooLarge, OutOfMemory };

// Asked at the first line that does not fit in a record; Yes loads the whole
// file as binary instead, No divides every over-long line.
bool AskToLoadAsBinary(std::int64_t line)
{
    return ShowMessage(FillIn(kFmtLineTooLongQuestion, line), kCapLineTooLongQuestion, MbIcon::Question,
                       MbButtons::YesNo) == MbResult::Yes;
}

// The record borrows its bytes from the file's image.
bool AppendRecord(CRecordList& list, const std::uint8_t* bytes, int length, CProgressMeter& progress)
{
    if (list.recordCount % kRecordsPerProgressStep == 0)
        progress.Update(static_cast<std::uint64_t>(list.file.status.size + list.file.bytesDelivered));
    return list.BorrowedRecord(list.file.Image(), bytes, ContentLength(list.file.mode, bytes, length)) != nullptr;
}

// Reads every record as it comes. For files too small to overflow the
// counters; the records are those that counting first and reading after
// would give, since dividing changes nothing before the first long line.
Pass ReadInOnePass(CRecordList& list, CProgressMeter& progress)
{
    CRecordFile& file = list.file;
    bool divideLong = false;
    for (;;) {
        int length = 0;
        const std::uint8_t* bytes = nullptr;
        const auto read = file.ReadRecord(kMaxRecordLength, divideLong, &bytes, &length);
        if (read == CRecordFile::ReadResult::EndOfFile) break;
        if (read == CRecordFile::ReadResult::TooLong) {
            if (AskToLoadAsBinary(list.recordCount + 1)) return Pass::ReloadAsBinary;
            divideLong = true;
        }
        if (!AppendRecord(list, bytes, length, progress)) return Pass::OutOfMemory;
    }
    return file.readFailed ? Pass::Incomplete : Pass::Complete;
}

// Counts the records first, refusing a file whose record count or byte
// total would overflow the counters, then reads exactly that many.
Pass CountThenRead(CRecordList& list, CProgressMeter& progress)
{
    CRecordFile& file = list.file;
    bool divideLong = false;
    std::int64_t count = 0;
    std::int64_t contentBytes = 0;
    for (;;) {
        int length = 0;
        const std::uint8_t* bytes = nullptr;
        const auto read = file.ReadRecord(kMaxRecordLength, divideLong, &bytes, &length);
        if (read == CRecordFile::ReadResult::EndOfFile) break;
        ++count;
        contentBytes += ContentLength(file.mode, bytes, length);
        if (!CountersHold(count, contentBytes)) return Pass::TooLarge;
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
        const std::uint8_t* bytes = nullptr;
        const auto read = file.ReadRecord(kMaxRecordLength, divideLong, &bytes, &length);
        // Both passes read the same image: these only guard the counting.
        if (read == CRecordFile::ReadResult::EndOfFile) return Pass::Incomplete;
        if (read == CRecordFile::ReadResult::TooLong) complete = false;
        if (!AppendRecord(list, bytes, length, progress)) return Pass::OutOfMemory;
    }
    if (file.bytesDelivered != countedBytes || !file.AtEnd()) complete = false;
    return complete ? Pass::Complete : Pass::Incomplete;
}

}  // namespace

int CRecordList::Load(const std::string& path, std::uint16_t modeRequest, std::int32_t width)
{
    FreeAll();
    fileName.clear();
    loadOutcome = LoadOutcome::CannotOpen;
    int result = 1;
    {
        CProgressMeter progress(progressSink);
        const auto opened = file.Open(path, modeRequest & kRequestModeMask, width, &progress);
        if (opened == CRecordFile::OpenResult::OutOfMemory) ReportOutOfMemory();
        if (opened != CRecordFile::OpenResult::Opened) return 1;
        result = LoadRecords(path, progress);
    }
    file.Close();
    // Memory made ready for more records than the file gave goes back.
    TrimRecordStorage();
    return result;
}

int CRecordList::LoadRecords(const std::string& path, CProgressMeter& progress)
{
    if (file.status.size == 0) {
        fileName = path;
        if (!NewRecord(nullptr, nullptr, 0)) return 1;
        loadOutcome = LoadOutcome::Loaded;
        return 0;
    }
    // Records never hold more bytes than the file, nor are there more of
    // them; binary records keep every byte, so for them the size decides.
    const bool mayOverflow = !CountersHold(file.status.size, file.status.size);
    Pass pass = Pass::TooLarge;
    if (IsTextMode(file.mode) || !mayOverflow)
        pass = mayOverflow ? CountThenRead(*this, progress) : ReadInOnePass(*this, progress);

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
