#include "controls/grid/check_box_column.h"

#include "controls/grid/check_box_display.h"
#include "controls/grid/check_box_play.h"

TGxCheckBoxColumn::TGxCheckBoxColumn(TComponent* owner) : TGxCustomColumn(owner)
{
    SetColumnType(ctBoolean);
    SetDefaultValue("");
    SetSortType(stBoolean);
}

void TGxCheckBoxColumn::DoChange()
{
    if (OnChange)
        OnChange(this);
}

void TGxCheckBoxColumn::SetColumnType(TColumnType)
{
    TGxCustomColumn::SetColumnType(ctBoolean);
}

TColumnDisplayClass TGxCheckBoxColumn::GetDisplayClass() const
{
    return ColumnDisplayClass<TCheckBoxColumnDisplay>();
}

TColumnPlayClass TGxCheckBoxColumn::GetPlayClass() const
{
    return ColumnPlayClass<TCheckBoxColumnPlay>();
}
