#include "records/DocumentRecords.h"

#include "app/Globals.h"
#include "records/OpenMode.h"
#include "view/AppViewBase.h"

void ApplyOpenRequestToView(std::uint16_t flags)
{
    if (!theView) return;
    theView->sourceMode = (flags & kRequestSource) || theSettings.autoSource;
    theView->rowsPerRecord = ((flags & kRequestHex) || theSettings.autoHex) ? 3 : 1;
}

std::unique_ptr<CRecordList> NewUntitledRecords()
{
    auto records = std::make_unique<CRecordList>();
    records->file.mode = kModeDos;
    if (!records->NewRecord(nullptr, nullptr, 0)) return nullptr;
    return records;
}

OpenedRecords OpenRecords(const std::string& path, std::uint16_t flags, std::int32_t width)
{
    auto records = std::make_unique<CRecordList>();
    records->Load(path, flags & kRequestModeMask, width);
    const LoadOutcome outcome = records->loadOutcome;
    if (records->recordCount == 0) records = NewUntitledRecords();
    return OpenedRecords{std::move(records), outcome};
}
