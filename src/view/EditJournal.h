#pragma once
#include <cstdint>

struct RecordNode;

// The editor's entries in the undo journal, one call per kind of edit.
// TEMPORARY: the journal is not in yet; these record nothing until the
// calls go to theUndoBuffer.
namespace edit_journal {

void RecordTyped(std::int32_t line, std::int32_t column, std::int32_t count = 1);
void RecordOverwrite(std::int32_t line, std::int32_t column, std::uint8_t oldByte);
void RecordOverwriteDigit(std::int32_t line, std::int32_t column, std::uint8_t oldByte);
void RecordDeletedChar(std::int32_t line, std::int32_t column, std::uint8_t byte);
void RecordJoin(std::int32_t line, std::int32_t column);
void RecordSplit(std::int32_t line, std::int32_t column, std::int32_t indent);

}  // namespace edit_journal
