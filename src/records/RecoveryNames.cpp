#include "records/RecoveryNames.h"

#include <cstdio>

#include "platform/FileHandle.h"
#include "platform/SystemNames.h"
#include "platform/TimeText.h"
#include "records/RecordMessages.h"

namespace {

// Enough stamped names for any folder a person keeps; past them a move
// gives up rather than loop.
constexpr int kMostStampedNames = 1000;

}  // namespace

std::string RecoveryCopyNameFor(const std::string& fileName)
{
    return fileName.empty() ? std::string(kUntitledRecoveryName) : fileName + kRecoverySuffix;
}

std::string RecoveryLockNameFor(const std::string& copyName)
{
    // Hidden, as far as a leading dot hides a name.
    std::string name = copyName;
    name.insert(FileNameOffset(name), 1, '.');
    return name.append(kLockSuffix);
}

std::string StampedCopyName(const std::string& copyName, std::int64_t seconds, int number)
{
    LocalTime time;
    if (!LocalTimeFields(seconds, &time)) time = LocalTime{1970, 1, 1, 0, 0, 0};
    char stamp[48];
    std::snprintf(stamp, sizeof stamp, "-%04d%02d%02d-%02d%02d%02d", time.year, time.month, time.day, time.hour,
                  time.minute, time.second);
    std::string name = copyName + stamp;
    if (number > 1) name.append(1, '-').append(std::to_string(number));
    return name;
}

std::string FreeCopyName(const std::string& copyName, std::int64_t seconds)
{
    std::string name;
    for (int number = 1; number <= kMostStampedNames; ++number) {
        name = StampedCopyName(copyName, seconds, number);
        if (!PathExists(name)) break;
    }
    return name;
}

bool MoveCopyAside(const std::string& copyName, std::int64_t seconds, std::string* movedTo)
{
    for (int number = 1; number <= kMostStampedNames; ++number) {
        const std::string name = StampedCopyName(copyName, seconds, number);
        switch (MoveWithoutReplacing(copyName, name)) {
        case MoveResult::Moved: *movedTo = name; return true;
        case MoveResult::NameTaken: continue;
        case MoveResult::Failed: return false;
        }
    }
    return false;
}
