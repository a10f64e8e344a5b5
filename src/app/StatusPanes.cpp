#include "app/StatusPanes.h"

#include "app/StatusTexts.h"
#include "records/RecordList.h"
#include "view/AppViewBase.h"

std::array<std::string, 4> ModePaneTexts(const CAppViewBase* view, const CRecordList* list)
{
    const CAppViewBase defaults;
    const CAppViewBase& v = view ? *view : defaults;
    const std::uint16_t mode = list ? list->file.mode : kModeDos;
    return {HexPaneText(v.rowsPerRecord), FormatPaneText(mode), SourcePaneText(v.sourceMode),
            InsertPaneText(v.insertMode)};
}

CaretPaneTexts CaretStatusTexts(const CAppViewBase* view)
{
    if (!view) return {CaretByteText(0, 0, 0), CaretPositionText(0, 0)};
    const RecordNode* node = view->caretNode;
    const std::int32_t length = node ? node->length : 0;
    const std::int32_t at = view->caretByte;
    const std::uint8_t byte = (node && at >= 0 && at < length) ? node->data[at] : 0;
    return {CaretByteText(length, at, byte), CaretPositionText(view->caretRecord, at)};
}
