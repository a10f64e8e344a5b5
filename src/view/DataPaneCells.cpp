#include "view/DataPaneCells.h"

#include "view/AppViewBase.h"
#include "view/DisplayColumns.h"
#include "view/EbcdicTables.h"
#include "view/RecordAccess.h"

namespace rec = view_records;

Rgb TextColour(CellStyle style)
{
    switch (style) {
    case CellStyle::Ebcdic:
        return kEbcdicText;
    case CellStyle::Nibble:
        return kNibbleText;
    case CellStyle::Selected:
        return kSelectedText;
    case CellStyle::Blank:
    case CellStyle::Ascii:
        break;
    }
    return kAsciiText;
}

Rgb BackColour(CellStyle style)
{
    return style == CellStyle::Selected ? kSelectedBackground : kDataBackground;
}

Cell CharacterCell(std::uint8_t byte, bool asciiView, bool sourceMode)
{
    const std::uint8_t shown = asciiView ? byte : EbcdicToDisplay[byte];
    const CellStyle style = asciiView ? CellStyle::Ascii : CellStyle::Ebcdic;
    if (shown >= 0x20 && shown <= 0x7E) return {static_cast<char>(shown), style};
    if (sourceMode && shown == kTabByte) return {' ', style};
    return {'.', style};
}

Cell NibbleCell(std::uint8_t byte, int rowInRecord)
{
    static const char kDigits[] = "0123456789ABCDEF";
    const int value = rowInRecord == 1 ? byte >> 4 : byte & 0x0F;
    return {kDigits[value], CellStyle::Nibble};
}

void BuildDataRow(const CAppViewBase& view, const std::uint8_t* data, int length, RecordIndex record,
                  int rowInRecord, std::vector<Cell>& cells)
{
    cells.assign(static_cast<std::size_t>(std::max(view.pageCols, 0)), Cell{});
    const bool lineBreakSelected = view.IsLineBreakSelected(record);
    ColumnWalker walker(data, length, view.TabWidth());
    for (int c = 0; c < view.pageCols; ++c) {
        const int column = view.leftCol + c;
        const int b = walker.ByteAt(column);
        if (b >= length) {
            if (!lineBreakSelected) break;
            cells[c] = {' ', CellStyle::Selected};
            continue;
        }
        if (walker.StartColumn() > column) continue;  // inside a tab's expansion
        Cell cell = rowInRecord == 0 ? CharacterCell(data[b], view.asciiView, view.sourceMode)
                                     : NibbleCell(data[b], rowInRecord);
        if (view.IsSelected(record, b)) cell.style = CellStyle::Selected;
        cells[c] = cell;
    }
}

std::vector<std::vector<Cell>> BuildDataPane(const CAppViewBase& view)
{
    std::vector<std::vector<Cell>> rows;
    const RecordIndex count = view.RecordCount();
    const RecordNode* node = view.topNode;
    RecordIndex record = view.topRecord;
    int rowInRecord = static_cast<int>(view.topRow % view.rowsPerRecord);
    for (int i = 0; i < view.pageRows && record < count && node; ++i) {
        rows.emplace_back();
        BuildDataRow(view, rec::Bytes(node), rec::Length(node), record, rowInRecord, rows.back());
        if (++rowInRecord == view.rowsPerRecord) {
            rowInRecord = 0;
            ++record;
            node = rec::Next(node);
        }
    }
    return rows;
}
