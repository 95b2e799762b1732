// The class of a new cell, by its column's type and by how it comes to be.

#include "controls/grid/cell_classes.h"
#include "controls/grid/cells.h"
#include "controls/grid/column.h"
#include "controls/grid/guid_cell.h"
#include "controls/grid/virtual_column.h"
#include "platform/gui/graphics/graphics.h"

namespace {

template <typename TCellClass> std::unique_ptr<TCell> Make(TCells* cells)
{
    return std::make_unique<TCellClass>(cells);
}

} // namespace

std::unique_ptr<TCell> TCells::NewCell(int column, TCellOrigin origin)
{
    TGxCustomColumn* owner = ColumnAt(column);
    const TColumnType type = owner ? owner->ColumnType() : ctString;
    std::unique_ptr<TCell> cell;
    switch (type) {
    case ctAutoInc: {
        const bool counts = origin == TCellOrigin::RowAdded || origin == TCellOrigin::ChildAdded;
        cell = counts ? Make<TIncrementCell>(this) : Make<TIntegerCell>(this);
        break;
    }
    case ctBoolean:
        cell = Make<TBooleanCell>(this);
        break;
    case ctDate:
        cell = Make<TDateTimeCell>(this);
        break;
    case ctFloat:
        cell = Make<TFloatCell>(this);
        break;
    case ctGuid: {
        const bool identifies = origin == TCellOrigin::RowAdded || origin == TCellOrigin::ColumnInserted;
        cell = identifies ? Make<TGuidCell>(this) : Make<TStringCell>(this);
        break;
    }
    case ctInteger:
        cell = Make<TIntegerCell>(this);
        break;
    case ctVirtual: {
        auto virtualCell = std::make_unique<TVirtualCell>(this);
        virtualCell->SetColumn(dynamic_cast<TGxVirtualColumn*>(owner));
        cell = std::move(virtualCell);
        break;
    }
    default:
        cell = Make<TStringCell>(this);
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
