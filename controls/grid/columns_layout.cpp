// Left edges, visible indexes and the auto-size share of the free width.

#include "controls/grid/column.h"
#include "controls/grid/columns.h"
#include "controls/grid/columns_grid.h"
#include "controls/grid/slide_bounds.h"

#include <cmath>

namespace {

constexpr int kIndicatorWidth = 12;

} // namespace

void TGxColumns::SetFixedCols(int value)
{
    FFixedCols = value;
    UpdateColumns(false);
}

void TGxColumns::UpdateColumns(bool updatePosition)
{
    FFixedWidth = 0;
    for (int place = 0; place < FFixedCols && place < static_cast<int>(FPositionItemsList.size()); ++place)
        if (const TGxCustomColumn* column = FPositionItemsList[static_cast<size_t>(place)]; column->FVisible)
            FFixedWidth += column->FWidth;
    const IColumnsGrid* grid = Grid();
    int x = grid ? grid->GetBodyRect().Left : 0;
    int visibleIndex = 0;
    for (size_t place = 0; place < FPositionItemsList.size(); ++place) {
        TGxCustomColumn* column = FPositionItemsList[place];
        if (column->FVisible) {
            column->FLeft = x;
            column->FVisibleIndex = visibleIndex++;
            x += column->FWidth;
        } else {
            column->FVisibleIndex = -1;
        }
        if (updatePosition)
            column->FPosition = static_cast<int>(place);
    }
}

void TGxColumns::ResizeColumns(TGxCustomColumn* column, bool useColumn)
{
    if (GridReading())
        return;
    const IColumnsGrid* grid = Grid();
    size_t start = 0;
    int offset = 0;
    if (column) {
        const int place = PositionIndexOf(column);
        start = static_cast<size_t>(std::max(0, useColumn ? place : place + 1));
        offset = useColumn || !column->FVisible ? column->FLeft : column->FLeft + column->FWidth;
        if (grid && grid->ShowsIndicator())
            offset -= kIndicatorWidth;
    }
    int fixed = 0;
    int total = 0;
    for (size_t place = start; place < FPositionItemsList.size(); ++place) {
        const TGxCustomColumn* each = FPositionItemsList[place];
        if (each->FVisible)
            (each->FOptions.Contains(coAutoSize) ? total : fixed) += each->FWidth;
    }
    const int free = (grid ? grid->InnerWidth() : 0) - offset - fixed;
    // Each column takes its share rounded down; the fractions carried over add a pixel where they reach
    // one, and what is left at the end goes to the last column that was rounded down.
    double carry = 0;
    TGxCustomColumn* lastRoundedDown = nullptr;
    for (size_t place = start; place < FPositionItemsList.size(); ++place) {
        TGxCustomColumn* each = FPositionItemsList[place];
        if (!each->FVisible || !each->FOptions.Contains(coAutoSize))
            continue;
        const double exact = total == 0 ? 0.0 : free * (static_cast<double>(each->FWidth) / total);
        const int width = static_cast<int>(std::trunc(exact));
        carry += exact - width;
        if (carry >= 1) {
            each->ApplyWidth(width + 1);
            carry -= 1;
        } else {
            each->ApplyWidth(width);
            lastRoundedDown = each;
        }
    }
    if (carry > 0.001 && lastRoundedDown)
        lastRoundedDown->ApplyWidth(lastRoundedDown->FSilentWidth + 1);
}

void TGxColumns::AnchorSlides(int oldWidth, int newWidth)
{
    const int change = newWidth - oldWidth;
    for (TGxCustomColumn* column : FItemsList) {
        const TAnchors anchors = column->FSlideAnchors;
        if (!anchors.Contains(akRight))
            continue;
        TGxSlideBounds* bounds = column->FSlideBounds.get();
        if (anchors.Contains(akLeft))
            bounds->SetWidth(bounds->Width() + change);
        else
            bounds->SetLeft(bounds->Left() + change);
    }
}
