#include "platform/win/DocumentFileWriter.h"

#include <windows.h>

#include "platform/win/WideText.h"
#include "platform/win/WinFiles.h"

namespace {

constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

bool SetSize(HANDLE file, std::uint64_t size)
{
    LARGE_INTEGER at {};
    at.QuadPart = static_cast<LONGLONG>(size);
    return ::SetFilePointerEx(file, at, nullptr, FILE_BEGIN) && ::SetEndOfFile(file);
}

bool Rewind(HANDLE file)
{
    LARGE_INTEGER start {};
    return ::SetFilePointerEx(file, start, nullptr, FILE_BEGIN) != 0;
}

// Reserves disk room for `size` bytes without changing the file's length
// where the system can; else by growing the file, cut back on failure.
bool ReserveSpace(HANDLE file, std::uint64_t oldSize, std::uint64_t size)
{
    if (size <= oldSize) return true;
    FILE_ALLOCATION_INFO allocation {};
    allocation.AllocationSize.QuadPart = static_cast<LONGLONG>(size);
    if (::SetFileInformationByHandle(file, FileAllocationInfo, &allocation, sizeof allocation)) return true;
    if (::GetLastError() == ERROR_DISK_FULL) return false;
    if (SetSize(file, size)) return true;
    SetSize(file, oldSize);  // only zeros past the old end were added
    return false;
}

// More names than the file itself and our own backup, which a replacement
// would leave holding the old bytes.
bool HasOtherLinks(const std::string& target, DWORD links, const std::string& backupPath)
{
    if (!backupPath.empty() && SameFile(backupPath, target)) --links;
    return links > 1;
}

}  // namespace

CDocumentFileWriter::~CDocumentFileWriter() { Abandon(); }

bool CDocumentFileWriter::Begin(const std::string& path, const std::string& permissionsFrom,
                                const std::string& backupPath, bool backupRequired)
{
    Abandon();
    target_ = ResolveLinkTarget(path);
    backupPath_ = backupPath;
    backupRequired_ = backupRequired && !backupPath.empty();
    inPlace_ = reserved_ = keepNewRules_ = false;
    const std::wstring wideTarget = WidePath(target_);

    // An existing file must be a file we may write: a read-only one stays as
    // it is, though its folder would let us replace it.
    DWORD links = 1;
    const HANDLE old = ::CreateFileW(wideTarget.c_str(), GENERIC_WRITE, kShareAll, nullptr, OPEN_EXISTING, 0, nullptr);
    existed_ = old != INVALID_HANDLE_VALUE;
    if (existed_) {
        BY_HANDLE_FILE_INFORMATION info {};
        const bool regular = ::GetFileType(old) == FILE_TYPE_DISK && ::GetFileInformationByHandle(old, &info) &&
                             !(info.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY));
        links = info.nNumberOfLinks;
        oldSize_ = (static_cast<std::uint64_t>(info.nFileSizeHigh) << 32) | info.nFileSizeLow;
        ::CloseHandle(old);
        if (!regular) return false;
    } else if (::GetLastError() != ERROR_FILE_NOT_FOUND) {
        return false;  // a folder, a locked or a forbidden file, or no such folder
    }

    if (!(existed_ && HasOtherLinks(target_, links, backupPath))) {
        const HANDLE temp = CreateUniqueFile(target_, &temp_);
        if (temp != INVALID_HANDLE_VALUE) {
            handle_ = temp;
            if (!permissionsFrom.empty()) keepNewRules_ = CopyAccessRules(permissionsFrom, temp);
            if (!backupPath.empty() && !backup_.Prepare(target_, backupPath) && backupRequired_) {
                // A file gone meanwhile has nothing to keep.
                if (existed_ && ::GetFileAttributesW(wideTarget.c_str()) != INVALID_FILE_ATTRIBUTES) {
                    Abandon();
                    return false;
                }
                backupRequired_ = false;
            }
            out_.Start(reinterpret_cast<FileHandle>(handle_));
            return true;
        }
        temp_.clear();
        if (::GetLastError() != ERROR_ACCESS_DENIED) return false;
    }
    return BeginInPlace(permissionsFrom);
}

bool CDocumentFileWriter::BeginInPlace(const std::string& permissionsFrom)
{
    // Opened without truncation: nothing changes before Reserve.
    const HANDLE file = ::CreateFileW(WidePath(target_).c_str(), GENERIC_READ | GENERIC_WRITE | WRITE_DAC, kShareAll,
                                      nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    const bool created = ::GetLastError() != ERROR_ALREADY_EXISTS;
    handle_ = file;
    if (created) {
        oldSize_ = 0;
        if (!permissionsFrom.empty()) CopyAccessRules(permissionsFrom, file);
    }
    inPlace_ = true;
    if (!backupPath_.empty() && !backup_.Prepare(target_, backupPath_, true) && backupRequired_) {
        CloseOutput();
        return false;
    }
    return true;
}

bool CDocumentFileWriter::Reserve(std::uint64_t size)
{
    if (!inPlace_) return true;
    if (!handle_ || reserved_) return false;
    const HANDLE file = static_cast<HANDLE>(handle_);
    if (!ReserveSpace(file, oldSize_, size)) return false;
    if (!backupPath_.empty()) {
        const bool installed = backup_.Install();
        // A backup that could not be copied must not share the file, or the
        // write below would change it too.
        if ((backupRequired_ && !installed) ||
            (SameFile(backupPath_, target_) && !::DeleteFileW(WidePath(backupPath_).c_str()))) {
            SetSize(file, oldSize_);
            return false;
        }
    }
    if (!Rewind(file)) return false;
    reserved_ = true;
    out_.Start(reinterpret_cast<FileHandle>(handle_));
    return true;
}

bool CDocumentFileWriter::Commit()
{
    if (!handle_ || (inPlace_ && !reserved_)) {
        Abandon();
        return false;
    }
    const HANDLE file = static_cast<HANDLE>(handle_);
    bool ok = out_.Flush();
    if (inPlace_) ok = ok && SetSize(file, out_.Total());
    ok = ok && ::FlushFileBuffers(file);
    CloseOutput();
    if (inPlace_) {
        Abandon();
        return ok;
    }
    // A required backup goes in place first: the file must not change
    // without it.
    if (ok && backupRequired_) ok = backup_.Install();
    ok = ok && Replace();
    if (ok && !backupPath_.empty() && !backupRequired_) backup_.Install();
    Abandon();
    return ok;
}

// Puts the written temporary file in the target's place.
bool CDocumentFileWriter::Replace()
{
    const std::wstring from = WidePath(temp_);
    const std::wstring to = WidePath(target_);
    bool ok = false;
    if (existed_ && !keepNewRules_)
        ok = ::ReplaceFileW(to.c_str(), from.c_str(), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr);
    if (!ok) ok = ::MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
    // Where the system took the old file away but could not put the new one
    // in its place, the new bytes are the only copy: they stay.
    if (!ok && (!existed_ || ::GetFileAttributesW(to.c_str()) != INVALID_FILE_ATTRIBUTES))
        ::DeleteFileW(from.c_str());
    temp_.clear();
    return ok;
}

void CDocumentFileWriter::Abandon()
{
    // A replaced file that was not replaced, or an in-place one not yet
    // touched, still holds its bytes: the older backup stays. Once an
    // in-place write has begun, the backup is already in place.
    CloseOutput();
    if (!temp_.empty()) {
        ::DeleteFileW(WidePath(temp_).c_str());
        temp_.clear();
    }
    backup_.Discard();
    backupPath_.clear();
    backupRequired_ = false;
}

void CDocumentFileWriter::CloseOutput()
{
    if (handle_) {
        ::CloseHandle(static_cast<HANDLE>(handle_));
        handle_ = nullptr;
    }
    out_.Stop();
}
