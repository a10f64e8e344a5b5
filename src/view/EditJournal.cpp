#include "view/EditJournal.h"

namespace edit_journal {

void RecordTyped(std::int32_t, std::int32_t, std::int32_t) {}
void RecordOverwrite(std::int32_t, std::int32_t, std::uint8_t) {}
void RecordOverwriteDigit(std::int32_t, std::int32_t, std::uint8_t) {}
void RecordDeletedChar(std::int32_t, std::int32_t, std::uint8_t) {}
void RecordJoin(std::int32_t, std::int32_t) {}
void RecordSplit(std::int32_t, std::int32_t, std::int32_t) {}

}  // namespace edit_journal
