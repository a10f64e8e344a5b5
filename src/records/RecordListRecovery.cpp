#include "platform/FileHandle.h"
#include "records/OpenMode.h"
#include "records/RecordList.h"
#include "records/RecordMessages.h"

std::string CRecordList::RecoveryCopyName() const
{
    if (fileName.empty()) return kUntitledRecoveryName;
    std::string name = fileName;
    name += kRecoverySuffix;
    return name;
}

bool CRecordList::SaveRecoveryCopy(const SourceOptions& options)
{
    if (Save(true, RecoveryCopyName(), SaveModeFor(file.mode), options) != 0) return false;
    recoveryCopyWritten = true;
    return true;
}

void CRecordList::DeleteRecoveryCopy()
{
    RemoveFile(RecoveryCopyName());
    recoveryCopyWritten = false;
}
