// The store's cells: made and destroyed in its memory, their class by the column's type and by how they
// come to be.

#include "controls/grid/cell_classes.h"
#include "controls/grid/cells.h"
#include "controls/grid/column.h"
#include "controls/grid/guid_cell.h"
#include "controls/grid/virtual_column.h"
#include "platform/gui/graphics/graphics.h"

#include <cstdint>
#include <new>

template <typename TCellClass> TCellClass* TCells::MakeCell()
{
    static_assert(sizeof(TCellClass) % 8 == 0 && sizeof(TCellClass) / 8 <= UINT8_MAX &&
                      alignof(TCellClass) <= 8,
                  "a cell's block size is kept in 8-byte units in one byte");
    void* block = FMemory.Allocate(sizeof(TCellClass));
    TCellClass* cell = nullptr;
    try {
        cell = new (block) TCellClass(this);
    } catch (...) {
        FMemory.Deallocate(block, sizeof(TCellClass));
        throw;
    }
    cell->FBlockSize = sizeof(TCellClass) / 8;
    return cell;
}

void TCells::DestroyCell(TCell* cell)
{
    const size_t size = cell->FBlockSize * size_t{8};
    cell->~TCell();
    FMemory.Deallocate(cell, size);
}

void TCells::DestroyCells(TColumnCells& cells)
{
    for (TCell* cell : cells)
        DestroyCell(cell);
    cells.clear();
}

TCell* TCells::NewCell(int column, TCellOrigin origin)
{
    TGxCustomColumn* owner = ColumnAt(column);
    const TColumnType type = owner ? owner->ColumnType() : ctString;
    TCell* cell = nullptr;
    switch (type) {
    case ctAutoInc: {
        const bool counts = origin == TCellOrigin::RowAdded || origin == TCellOrigin::ChildAdded;
        cell = counts ? static_cast<TCell*>(MakeCell<TIncrementCell>()) : MakeCell<TIntegerCell>();
        break;
    }
    case ctBoolean:
        cell = MakeCell<TBooleanCell>();
        break;
    case ctDate:
        cell = MakeCell<TDateTimeCell>();
        break;
    case ctFloat:
        cell = MakeCell<TFloatCell>();
        break;
    case ctGuid: {
        const bool identifies = origin == TCellOrigin::RowAdded || origin == TCellOrigin::ColumnInserted;
        cell = identifies ? static_cast<TCell*>(MakeCell<TGuidCell>()) : MakeCell<TStringCell>();
        break;
    }
    case ctInteger:
        cell = MakeCell<TIntegerCell>();
        break;
    case ctVirtual: {
        auto* virtualCell = MakeCell<TVirtualCell>();
        virtualCell->SetColumn(dynamic_cast<TGxVirtualColumn*>(owner));
        cell = virtualCell;
        break;
    }
    default:
        cell = MakeCell<TStringCell>();
    }
    // The cell is still locked: taking the column's looks reports nothing.
    if (owner) {
        cell->SetFontStyle(owner->Font()->Style());
        cell->SetTextColor(owner->Font()->Color());
        cell->SetColor(owner->Color());
    }
    cell->SetLocked(false);
    return cell;
}
