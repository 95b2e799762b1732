#include "controls/grid/cell.h"

#include "controls/grid/cells.h"
#include "controls/grid/cells_grid.h"

TCell::TCell(TCells* cells) : FCells(cells) {}

TCell::~TCell()
{
    if (FHasExtras)
        ExtrasTable().erase(this);
}

TCellMemory* TCell::Memory() const
{
    return FBlockSize > 0 ? &FCells->FMemory : nullptr;
}

void TCell::Changed()
{
    if (FCells)
        FCells->DoCellChange();
}

void TCell::LooksChanged()
{
    if (!Locked())
        Changed();
}

void TCell::SetAsBoolean(bool)
{
    Changed();
}

void TCell::SetAsDateTime(TDateTime)
{
    Changed();
}

void TCell::SetAsFloat(double)
{
    Changed();
}

void TCell::SetAsInteger(int32_t)
{
    Changed();
}

void TCell::SetAsString(const std::string&)
{
    Changed();
}

void TCell::Clear()
{
    Changed();
}

void TCell::SetFontStyle(TFontStyles value)
{
    FFontStyle = static_cast<uint8_t>(value.Bits());
    LooksChanged();
}

void TCell::SetColor(TColor value)
{
    FColor = value;
    LooksChanged();
}

// A cell without a store keeps its extras in a table of all such cells.
TCell::TExtrasTable& TCell::ExtrasTable() const
{
    static TExtrasTable withoutStore;
    return FCells ? FCells->FCellExtras : withoutStore;
}

const TCell::TExtras* TCell::FindExtras() const
{
    return FHasExtras ? &ExtrasTable().at(this) : nullptr;
}

TCell::TExtras& TCell::Extras()
{
    FHasExtras = true;
    return ExtrasTable()[this];
}

const std::string& TCell::Hint() const
{
    static const std::string none;
    const TExtras* extras = FindExtras();
    return extras ? extras->Hint : none;
}

void TCell::SetHint(const std::string& value)
{
    Extras().Hint = value;
    LooksChanged();
}

TObject* TCell::ObjectReference() const
{
    const TExtras* extras = FindExtras();
    return extras ? extras->ObjectReference : nullptr;
}

void TCell::SetObjectReference(TObject* value)
{
    if (value || FHasExtras)
        Extras().ObjectReference = value;
}

void TCell::SetTextColor(TColor value)
{
    FTextColor = value;
    LooksChanged();
}

void TCell::SetState(TGxCellStateFlag flag, bool value)
{
    TGxCellState state = State();
    if (value)
        state.Include(flag);
    else
        state.Exclude(flag);
    FState = static_cast<uint8_t>(state.Bits());
}

void TCell::SetEmpty(bool value)
{
    SetState(cstEmpty, value);
    Changed();
}

void TCell::SetLocked(bool value)
{
    SetState(cstLocked, value);
}

int TCell::ColumnIndex() const
{
    return FCells ? FCells->LookedUpColumn() : -1;
}

int TCell::RowIndex() const
{
    return FCells ? FCells->LookedUpRow() : -1;
}

// Without a grid a cell is painted in its own looks and shows its own text.

TColor TCell::ActualColor() const
{
    ICellsGrid* grid = FCells ? FCells->Grid() : nullptr;
    return grid ? grid->GetActualCellColor(ColumnIndex(), RowIndex()) : FColor;
}

TColor TCell::ActualFontColor() const
{
    ICellsGrid* grid = FCells ? FCells->Grid() : nullptr;
    return grid ? grid->GetActualCellFontColor(ColumnIndex(), RowIndex()) : FTextColor;
}

std::string TCell::DisplayText() const
{
    ICellsGrid* grid = FCells ? FCells->Grid() : nullptr;
    return grid ? grid->GetDrawText(ColumnIndex(), RowIndex()) : AsString();
}

bool TCell::Highlighted() const
{
    ICellsGrid* grid = FCells ? FCells->Grid() : nullptr;
    return grid && grid->IsCellHighlighted(ColumnIndex(), RowIndex());
}
