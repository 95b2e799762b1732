#pragma once

#include "controls/grid/flyout_control.h"

#include <functional>
#include <memory>

class TGxCustomColumn;
class TStyleDisplay;

// X and Y are a point on the screen.
using TDragBoxEvent = std::function<void(TObject* sender, int X, int Y)>;

// The floating copy of a column's header that hangs above the pointer while the column is dragged to
// another place. It takes the mouse by pressing itself (the button-down it sends itself captures the
// mouse), so it hears every move and the release wherever the pointer goes, and it reports them in screen
// coordinates to its grid (its owner), which moves the drop arrows and places the column.
class TColumnDragBox : public TGxFlyoutControl
{
public:
    explicit TColumnDragBox(TComponent* owner);
    ~TColumnDragBox() override;

    // Starts the drag at the mouse's screen point: the header of column is painted without sort arrow or
    // focus inversion, the box shows unless hide is set, and the mouse is captured.
    void Show(int X, int Y, TGxCustomColumn* column, bool hide);
    TGxCustomColumn* Column() const { return FColumn; }

    TDragBoxEvent OnDragBoxDrop; // the left button was released
    TDragBoxEvent OnDragBoxMove; // every move while the mouse is captured

protected:
    virtual void DoDragBoxDrop(int X, int Y);
    virtual void DoDragBoxMove(int X, int Y);
    void Dispatch(TMessage& message) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void Paint() override;

private:
    TComponent* FOwner;                            // the grid
    TGxCustomColumn* FColumn = nullptr;            // the column being dragged
    std::unique_ptr<TStyleDisplay> FColumnDisplay; // paints the header on the box's canvas
};
