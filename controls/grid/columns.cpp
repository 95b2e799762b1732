#include "controls/grid/columns.h"

#include "controls/grid/column.h"
#include "controls/grid/columns_grid.h"
#include "platform/gui/core/exceptions.h"

#include <algorithm>

namespace {

int IndexIn(const std::vector<TGxCustomColumn*>& list, const TGxCustomColumn* column)
{
    const auto found = std::find(list.begin(), list.end(), column);
    return found == list.end() ? -1 : static_cast<int>(found - list.begin());
}

TGxCustomColumn* ItemOf(const std::vector<TGxCustomColumn*>& list, int index)
{
    if (index < 0 || index >= static_cast<int>(list.size()))
        ThrowListIndexError(index);
    return list[static_cast<size_t>(index)];
}

void MoveItem(std::vector<TGxCustomColumn*>& list, int curIndex, int newIndex)
{
    TGxCustomColumn* column = ItemOf(list, curIndex);
    ItemOf(list, newIndex);
    list.erase(list.begin() + curIndex);
    list.insert(list.begin() + newIndex, column);
}

} // namespace

TGxColumns::TGxColumns(TComponent* owner) : TComponent(owner)
{
    if (IColumnsGrid* grid = Grid())
        grid->SetOnUpdateColumns([this](TObject*) { UpdateColumns(false); });
}

TGxColumns::~TGxColumns()
{
    while (!FItemsList.empty()) {
        TGxCustomColumn* column = FItemsList.back();
        FItemsList.pop_back();
        std::erase(FPositionItemsList, column);
        column->FColumns = nullptr;
        column->Free();
    }
}

IColumnsGrid* TGxColumns::Grid() const
{
    if (!grid_)
        grid_ = dynamic_cast<IColumnsGrid*>(Owner());
    return grid_;
}

bool TGxColumns::GridReading() const
{
    return Owner() && Owner()->ComponentState().Contains(csReading);
}

bool TGxColumns::GridDestroying() const
{
    return ComponentState().Contains(csDestroying) ||
           (Owner() && Owner()->ComponentState().Contains(csDestroying));
}

TGxCustomColumn* TGxColumns::GetItem(int index) const
{
    return ItemOf(FItemsList, index);
}

TGxCustomColumn* TGxColumns::GetPositionItem(int index) const
{
    return ItemOf(FPositionItemsList, index);
}

int TGxColumns::IndexOf(const TGxCustomColumn* column) const
{
    return IndexIn(FItemsList, column);
}

int TGxColumns::PositionIndexOf(const TGxCustomColumn* column) const
{
    return IndexIn(FPositionItemsList, column);
}

// --- Membership ---------------------------------------------------------------------------------------

void TGxColumns::AddColumn(TGxCustomColumn* column)
{
    column->FColumns = this;
    FItemsList.push_back(column);
    FPositionItemsList.push_back(column);
    column->FPosition = static_cast<int>(FPositionItemsList.size()) - 1;
    UpdateColumns(false);
    ResizeColumns(nullptr, false);
    FLastAdded = column;
    DoChange(TColumnsOperation::opAdd, -1, -1);
    DoRepaint(TColumnsOperation::opAdd, -1, -1);
}

void TGxColumns::AddReadColumn(TGxCustomColumn* column)
{
    column->FColumns = this;
    FItemsList.push_back(column);
    DoChange(TColumnsOperation::opAdd, -1, -1);
}

void TGxColumns::PlaceReadColumn(TGxCustomColumn* column)
{
    if (PositionIndexOf(column) >= 0)
        return;
    const auto later =
        std::find_if(FPositionItemsList.begin(), FPositionItemsList.end(),
                     [&](const TGxCustomColumn* listed) { return listed->FPosition > column->FPosition; });
    FPositionItemsList.insert(later, column);
    UpdateColumns(false);
}

void TGxColumns::Remove(TGxCustomColumn* column)
{
    const int index = IndexOf(column);
    if (index >= 0) {
        FItemsList.erase(FItemsList.begin() + index);
        column->FColumns = nullptr;
        DoChange(TColumnsOperation::opDelete, index, -1);
    }
    std::erase(FPositionItemsList, column);
    if (FLastAdded == column)
        FLastAdded = nullptr;
    if (GridDestroying())
        return;
    UpdateColumns(true);
    ResizeColumns(nullptr, false);
    DoRepaint(TColumnsOperation::opDelete, index, -1);
}

void TGxColumns::Move(int curIndex, int newIndex)
{
    if (!Exists(curIndex) || !Exists(newIndex))
        return;
    MoveItem(FItemsList, curIndex, newIndex);
    UpdateColumns(false);
    DoChange(TColumnsOperation::opMove, curIndex, newIndex);
    DoRepaint(TColumnsOperation::opMove, curIndex, newIndex);
}

void TGxColumns::ChangePosition(int curPosition, int newPosition)
{
    if (curPosition == newPosition)
        return;
    MoveItem(FPositionItemsList, curPosition, newPosition);
    UpdateColumns(true);
    DoColumnChange(GetPositionItem(newPosition), ccPosition, curPosition);
}

// --- Reports ------------------------------------------------------------------------------------------

void TGxColumns::UpdateColumn(TGxCustomColumn* column, TGridArea area)
{
    if (IColumnsGrid* grid = Grid())
        grid->RefreshColumn(column, area);
}

void TGxColumns::DoColumnChange(TGxCustomColumn* column, TColumnChangeKind kind, int param)
{
    if (OnColumnChange)
        OnColumnChange(this, column, kind, param);
}

void TGxColumns::DoChange(TColumnsOperation operation, int value1, int value2)
{
    if (OnChange)
        OnChange(this, operation, value1, value2);
}

void TGxColumns::DoRepaint(TColumnsOperation operation, int value1, int value2)
{
    if (OnRepaint)
        OnRepaint(this, operation, value1, value2);
}

// --- Visible columns ----------------------------------------------------------------------------------

template <typename Test> TGxCustomColumn* TGxColumns::FirstWhere(Test test) const
{
    const auto found = std::find_if(FPositionItemsList.begin(), FPositionItemsList.end(), test);
    return found == FPositionItemsList.end() ? nullptr : *found;
}

template <typename Test> TGxCustomColumn* TGxColumns::LastWhere(Test test) const
{
    const auto found = std::find_if(FPositionItemsList.rbegin(), FPositionItemsList.rend(), test);
    return found == FPositionItemsList.rend() ? nullptr : *found;
}

namespace {

bool IsShown(const TGxCustomColumn* column)
{
    return column->Visible();
}

bool IsShownAndEnabled(const TGxCustomColumn* column)
{
    return column->Visible() && column->Enabled();
}

} // namespace

TGxCustomColumn* TGxColumns::First() const
{
    return FirstWhere(IsShown);
}

TGxCustomColumn* TGxColumns::Last() const
{
    return LastWhere(IsShown);
}

TGxCustomColumn* TGxColumns::FirstEnabled() const
{
    return FirstWhere(IsShownAndEnabled);
}

TGxCustomColumn* TGxColumns::LastEnabled() const
{
    return LastWhere(IsShownAndEnabled);
}

int TGxColumns::VisibleCount() const
{
    return static_cast<int>(std::count_if(FItemsList.begin(), FItemsList.end(), IsShown));
}

int TGxColumns::ClientWidth() const
{
    int width = 0;
    for (const TGxCustomColumn* column : FItemsList)
        width += column->FVisible ? column->FWidth : 0;
    return width;
}
