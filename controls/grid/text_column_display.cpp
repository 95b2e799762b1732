#include "controls/grid/text_column_display.h"

#include "controls/grid/column.h"

void TTextColumnDisplay::Paint()
{
    DrawCellText(Column()->GetDrawText(CellInfo()), GetTextRect());
}

TCellInfo TTextColumnDisplay::CellInfo() const
{
    TCellInfo cell;
    cell.AsString = AsString();
    return cell;
}

TCellInfo TNumberColumnDisplay::CellInfo() const
{
    TCellInfo cell = TTextColumnDisplay::CellInfo();
    cell.AsFloat = AsFloat();
    return cell;
}
