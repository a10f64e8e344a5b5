#include <ctime>
#include <utility>

#include "platform/FileHandle.h"
#include "records/OpenMode.h"
#include "records/RecordList.h"
#include "records/RecordMessages.h"
#include "records/RecoveryNames.h"

std::string CRecordList::RecoveryCopyName() const
{
    if (recoveryCopyWritten && !recoveryCopyPath_.empty()) return recoveryCopyPath_;
    return RecoveryCopyNameFor(fileName);
}

bool CRecordList::SaveRecoveryCopy(const SourceOptions& options)
{
    std::string name = RecoveryCopyName();
    if (!recoveryCopyWritten) {
        // A copy by that name belongs to a session that ended without
        // cleaning up, or to another instance on the same file.
        HoldInstanceLock();
        if (instanceLock_.state() == CInstanceLock::State::HeldElsewhere || PathExists(name))
            name = FreeCopyName(name, std::time(nullptr));
    }
    if (Save(true, name, SaveModeFor(file.mode), options) != 0) return false;
    recoveryCopyWritten = true;
    recoveryCopyPath_ = name;
    return true;
}

void CRecordList::DeleteRecoveryCopy()
{
    RemoveFile(RecoveryCopyName());
    recoveryCopyWritten = false;
}

void CRecordList::HoldInstanceLock()
{
    const std::string lockName = RecoveryLockNameFor(RecoveryCopyNameFor(fileName));
    if (instanceLock_.state() == CInstanceLock::State::Held && instanceLock_.path() == lockName) return;
    instanceLock_.Acquire(lockName);
}

void CRecordList::AdoptInstanceLock(CInstanceLock lock) { instanceLock_ = std::move(lock); }

void CRecordList::AdoptRecoveryCopy(const std::string& copyName)
{
    recoveryCopyWritten = true;
    recoveryCopyPath_ = copyName;
}

void CRecordList::LetGoOfRecoveryCopy()
{
    if (recoveryCopyWritten) DeleteRecoveryCopy();
    instanceLock_.Release();
}

void CRecordList::KeepRecoveryCopy()
{
    recoveryCopyWritten = false;
    instanceLock_.Release();
}
