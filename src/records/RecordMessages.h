#pragma once
#include <cstdint>
#include <initializer_list>
#include <string>

// Every text the records subsystem shows, in one place.

inline constexpr char kCapCriticalError[] = "Critical Error";
inline constexpr char kMsgOutOfMemory[] = "Out of Memory. Program will be stopped.";

inline constexpr char kCapLineTooLong[] = "Line too Long";
inline constexpr char kMsgRecordTooLarge[] = "Record exceeds maximum size.  Operation aborted.";
inline constexpr char kMsgMergedTooLarge[] =
    "Total size of merged record exceeds\nmaximum size.  Operation aborted.";
inline constexpr char kFmtSizeLimitReached[] = "Size limit reached on record #%d.\nRecord will be truncated.";

// The load question about an over-long line (note the capital T here).
inline constexpr char kCapLineTooLongQuestion[] = "Line Too Long";
inline constexpr char kFmtLineTooLongQuestion[] =
    "Line %d too long.  Do you want to load as Binary?\nIf no, records exceeding limit will be divided.";

inline constexpr char kCapOops[] = "Oops";
inline constexpr char kFmtCannotOpen[] = "Cannot open \"%s\".";
// A file whose bytes and records would not fit in the memory available.
inline constexpr char kFmtNeedsMoreMemory[] = "Cannot open \"%s\".\nThe file needs more memory than is available.";

// A load that could not read the file to its end, or saw it change.
inline constexpr char kCapHoldUp[] = "Hold Up!";
// An edit refused because the document's counters would pass their limit
// (caption kCapHoldUp), filled in by DocumentTooLargeMessage.
inline constexpr char kFmtDocumentTooLarge[] =
    "The document would hold more than %d records or bytes.  Operation aborted.";
inline constexpr char kFmtReadPartly[] =
    "\"%s\" was read only partly: it could not be read to its end, or it changed while "
    "it was being read.\nSaving now will write only the records shown.";

// Asked before a save overwrites a file that another program changed since
// the document last read or wrote it (caption kCapHoldUp).
inline constexpr char kFmtChangedOnDisk[] =
    "\"%s\" has been changed by another program since it was last opened or saved.\nOverwrite it?  Its current "
    "contents go to \"%s.bak\".";

inline constexpr char kCapFileError[] = "File Error";
inline constexpr char kMsgCannotSave[] = "Cannot save file.";

// Names derived from a document's path.
inline constexpr char kBackupSuffix[] = ".bak";
inline constexpr char kRecoverySuffix[] = ".tbsav";
inline constexpr char kUntitledRecoveryName[] = "Untitled.tbsav";
// The lock file beside an autosave copy (platform/InstanceLock.h).
inline constexpr char kLockSuffix[] = ".lock";

// Opening a document whose autosave copy was left behind (caption
// kCapHoldUp). When the copy is older than the file, or the file is gone, a
// note goes before the question's last line and No becomes the default.
inline constexpr char kFmtRecoveryOffer[] =
    "An autosave copy of \"%s\" was saved %s.\nOpen the copy instead of the file?";
inline constexpr char kFmtRecoverySavedAt[] = "on %04d-%02d-%02d at %02d:%02d:%02d";
inline constexpr char kRecoveryCopyOlder[] = "The file has been changed since then: the copy is older than the file.";
inline constexpr char kRecoveryFileMissing[] = "The file itself no longer exists.";
// After No: where the copy went, or that it stays.
inline constexpr char kFmtRecoveryCopyMoved[] = "The autosave copy was kept as \"%s\".";
inline constexpr char kFmtRecoveryCopyStays[] =
    "The autosave copy \"%s\" could not be renamed and stays as it is.\nThis document's autosave copies get "
    "another name.";

// Puts `value` in place of the first "%d" or "%s" of `format`.
std::string FillIn(const char* format, const std::string& value);
std::string FillIn(const char* format, long long value);
// Puts `first` and `second` in place of the first two, in order.
std::string FillIn(const char* format, const std::string& first, const std::string& second);

// Puts the numbers in place of the format's "%d"s, in order, in 64 bits
// whatever the system's int and long are.
std::string FillInNumbers(const char* format, std::initializer_list<std::int64_t> numbers);

// kFmtDocumentTooLarge with the counters' limit.
std::string DocumentTooLargeMessage();

// Undo found the document different from what its newest entry expects.
inline constexpr char kMsgUndoOutOfStep[] =
    "The last change cannot be undone: the records no longer match it.\nThe undo list has been emptied.";
