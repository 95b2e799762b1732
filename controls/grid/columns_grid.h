#pragma once

#include "controls/grid/column_types.h"

class TFont;
class TGxColumns;

// What a column collection and its columns ask of the grid that owns the collection. The grid control
// implements it; the collection finds it as its owner, and a column read from a layout finds its
// collection through the grid it is placed on. The interface never owns the grid.
class IColumnsGrid
{
public:
    // The grid's column collection.
    virtual TGxColumns* Columns() const = 0;

    // Client-area rectangles; the body's left edge is where the first column starts (after the indicator).
    virtual TRect GetBodyRect() const = 0;
    virtual TRect GetHeaderRect() const = 0;
    virtual TRect GetFooterRect() const = 0;
    virtual TRect GetInputRect() const = 0;
    // The width the columns share: the client width less the indicator.
    virtual int InnerWidth() const = 0;
    // The indicator column (12 pixels) is shown.
    virtual bool ShowsIndicator() const = 0;
    // The horizontal scroll bar's position in pixels.
    virtual int HorzScrollPosition() const = 0;

    virtual int SelectedColumn() const = 0;
    // The column whose header is pressed, and the one under the pointer; nullptr for none.
    virtual TGxCustomColumn* FocusedColumn() const = 0;
    virtual TGxCustomColumn* HoverColumn() const = 0;
    // The font the columns follow while their ParentFont is set.
    virtual TFont* GridFont() const = 0;

    // Repaints the column's strip of an area (gaNone: the whole client height).
    virtual void RefreshColumn(TGxCustomColumn* column, TGridArea area) = 0;
    // The collection asks to hear when the grid's indicator comes or goes (the grid's OnUpdateColumns).
    virtual void SetOnUpdateColumns(TNotifyEvent handler) = 0;

protected:
    ~IColumnsGrid() = default;
};
