// The grid's side of the column plays: a play is loaded with one cell before it gets an event, and what it
// changes goes into the cell once the edit events allow it.

#include "controls/grid/column.h"
#include "controls/grid/column_play.h"
#include "controls/grid/columns.h"
#include "controls/grid/data_grid.h"
#include "platform/gui/graphics/canvas.h"

TColumnPlay* TDataGrid::LoadPlay(int ACol, int ARow)
{
    TColumnPlay* play = Columns()->GetItem(ACol)->Play();
    if (!play || !CellBounds(ACol, ARow))
        return nullptr;
    PreparePlay(ACol, ARow, GetCellRect(ACol, ARow), false);
    return play;
}

void TDataGrid::LoadPlayValue(TColumnPlay* play)
{
    const int ACol = play->Col();
    const int ARow = play->Row();
    play->SetLevel(GetRowLevel(ARow));
    switch (Columns()->GetItem(ACol)->ColumnType()) {
    case ctBoolean:
        play->SetAsBoolean(GetCell(ACol, ARow)->AsBoolean());
        break;
    case ctInteger:
        play->SetAsInteger(GetCell(ACol, ARow)->AsInteger());
        break;
    case ctString:
        play->SetAsString(GetDrawText(ACol, ARow));
        break;
    default:
        break;
    }
}

void TDataGrid::PlayChange(TObject* sender)
{
    const auto* play = static_cast<TColumnPlay*>(sender);
    const int ACol = play->Col();
    const int ARow = play->Row();
    bool accept = true;
    Raise(OnEditAccept, ACol, ARow, play->AsString(), accept);
    if (!accept)
        return;
    const TColumnType type = Columns()->GetItem(ACol)->ColumnType();
    if (type == ctBoolean)
        GetCell(ACol, ARow)->SetAsBoolean(play->AsBoolean());
    else if (type == ctInteger)
        GetCell(ACol, ARow)->SetAsInteger(play->AsInteger());
    Raise(OnAfterEdit, ACol, ARow, GetCell(ACol, ARow)->AsString());
}

void TDataGrid::PlayExpand(TObject* sender)
{
    const int ARow = static_cast<TColumnPlay*>(sender)->Row();
    SetExpanded(ARow, !GetExpanded(ARow));
}
