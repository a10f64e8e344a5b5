#include <cstdint>

#include "platform/Platform.h"
#include "records/LoadMemory.h"
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

// Reads every record as it comes. The counters cannot overflow: there are
// no more records than bytes, and no more bytes than the file's size.
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

// Whether the nodes of the records the file may give fit in the memory
// left, once its bytes have been read. Node memory made ready while the
// file was read ahead counts as had.
bool RecordsFitMemory(const CRecordFile& file)
{
    const auto records = static_cast<std::uint64_t>(file.RecordsAtMost());
    const std::uint64_t need = records * kMemoryPerRecord;
    const std::uint64_t ready = SpareNodeMemory();
    return need <= ready || MemoryAvailableFor(need - ready);
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
        if (opened == CRecordFile::OpenResult::TooLarge) {
            ShowMessage(FillIn(kFmtNeedsMoreMemory, path), kCapOops, MbIcon::Stop);
            loadOutcome = LoadOutcome::Refused;
        }
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
    const Pass pass = RecordsFitMemory(file) ? ReadInOnePass(*this, progress) : Pass::TooLarge;

    switch (pass) {
    case Pass::ReloadAsBinary:
        FreeAll();
        file.Close();
        return Load(path, kRequestAuto, kDefaultBinaryWidth);
    case Pass::TooLarge:
        FreeAll();
        ShowMessage(FillIn(kFmtNeedsMoreMemory, path), kCapOops, MbIcon::Stop);
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
