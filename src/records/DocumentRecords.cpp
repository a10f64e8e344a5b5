#include "records/DocumentRecords.h"

#include <tuple>

#include "records/OpenMode.h"

std::unique_ptr<CRecordList> NewUntitledRecords()
{
    auto records = std::make_unique<CRecordList>();
    records->file.mode = kModeDos;
    if (!records->NewRecord(nullptr, nullptr, 0)) return nullptr;
    return records;
}

OpenedRecords OpenRecords(const std::string& path, std::uint16_t flags, std::int32_t width,
                          IProgressSink* progress)
{
    auto records = std::make_unique<CRecordList>();
    // How the load went is in loadOutcome, and the user has been told.
    records->progressSink = progress;
    std::ignore = records->Load(path, flags & kRequestModeMask, width);
    records->progressSink = nullptr;
    const LoadOutcome outcome = records->loadOutcome;
    // A new list is DOS until a file opens: binary means the file opened so.
    const bool binary = !IsTextMode(records->file.mode);
    if (outcome == LoadOutcome::Refused) records.reset();
    else if (records->recordCount == 0) records = NewUntitledRecords();
    return OpenedRecords{std::move(records), outcome, binary};
}
