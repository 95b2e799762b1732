#include "controls/grid/column_drag_box.h"

#include "controls/grid/default_style_display.h"
#include "platform/gui/graphics/canvas.h"
#include "platform/gui/windows/window_functions.h"

TColumnDragBox::TColumnDragBox(TComponent* owner)
    : TGxFlyoutControl(owner), FOwner(owner), FColumnDisplay(std::make_unique<TDefaultStyleDisplay>(this))
{
    // The capture is taken and given back by the drag itself: a release of another button keeps it.
    controlStyle_.Exclude(csCaptureMouse);
    SetVisible(false);
    FColumnDisplay->SetCanvas(Canvas());
}

TColumnDragBox::~TColumnDragBox() = default;

void TColumnDragBox::Show(int, int, TGxCustomColumn* column, bool hide)
{
    FColumnDisplay->SetDefaultDrawing(false);
    if (const auto* grid = dynamic_cast<const TControl*>(FOwner))
        FColumnDisplay->Canvas()->Font()->Assign(grid->Font());
    if (!hide)
        ShowFloating();
    FColumn = column;
    Perform(WM_LBUTTONDOWN, 0, 0);
}

void TColumnDragBox::DoDragBoxDrop(int X, int Y)
{
    if (OnDragBoxDrop)
        OnDragBoxDrop(this, X, Y);
}

void TColumnDragBox::DoDragBoxMove(int X, int Y)
{
    if (OnDragBoxMove)
        OnDragBoxMove(this, X, Y);
}

// The program's activation reaches the top-level windows only: the box tells its grid.
void TColumnDragBox::Dispatch(TMessage& message)
{
    if (message.Msg == WM_ACTIVATEAPP) {
        if (auto* grid = dynamic_cast<TControl*>(FOwner))
            grid->Perform(WM_ACTIVATEAPP, message.WParam, message.LParam);
        return;
    }
    TGxFlyoutControl::Dispatch(message);
}

void TColumnDragBox::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    TGxFlyoutControl::MouseDown(button, shift, x, y);
    SetCapture(Handle());
}

// The box hangs centred above the pointer, its lower edge 4 pixels below the hot spot.
void TColumnDragBox::MouseMove(TShiftState shift, int x, int y)
{
    TGxFlyoutControl::MouseMove(shift, x, y);
    if (GetCapture() != Handle())
        return;
    const TPoint screen = ClientToScreen({x, y});
    DoDragBoxMove(screen.X, screen.Y);
    SetBounds(screen.X - ClientWidth() / 2, screen.Y - ClientHeight() + 4, Width(), Height());
}

void TColumnDragBox::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    TGxFlyoutControl::MouseUp(button, shift, x, y);
    if (button != mbLeft)
        return;
    const TPoint screen = ClientToScreen({x, y});
    if (GetCapture() == Handle())
        ReleaseCapture();
    HideFloating();
    DoDragBoxDrop(screen.X, screen.Y);
}

// The header, then a dark right and bottom edge.
void TColumnDragBox::Paint()
{
    TGxFlyoutControl::Paint();
    if (FColumn)
        FColumnDisplay->DrawHeader(FColumn, ClientRect());
    TCanvas& canvas = *Canvas();
    canvas.Pen()->SetColor(clBlack);
    canvas.Pen()->SetStyle(psSolid);
    canvas.MoveTo(0, ClientHeight() - 1);
    canvas.LineTo(ClientWidth() - 1, ClientHeight() - 1);
    canvas.LineTo(ClientWidth() - 1, -1);
}
