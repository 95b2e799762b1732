#include "controls/grid/drag_arrow.h"

#include "platform/gui/graphics/canvas.h"
#include "platform/gui/graphics/region.h"
#include "platform/gui/windows/window_functions.h"

TDragArrow::TDragArrow(TComponent* owner) : TGxFlyoutControl(owner)
{
    SetVisible(false);
    SetBounds(Left(), Top(), 9, 9);
}

void TDragArrow::SetArrowKind(TArrowKind value)
{
    FArrowKind = value;
    UpdateRegion();
}

// The tip at (4, -1) pointing up or at (4, 9) pointing down, over or under a shaft from x 3 to 6.
void TDragArrow::UpdateRegion()
{
    std::vector<TPoint> points;
    if (FArrowKind == akUp)
        points = {{-1, 5}, {4, -1}, {9, 5}, {6, 5}, {6, 9}, {3, 9}, {3, 4}, {0, 5}};
    else if (FArrowKind == akDown)
        points = {{5, 0}, {3, 0}, {3, 4}, {0, 4}, {4, 9}, {9, 4}, {6, 4}, {6, 0}};
    else
        return;
    const TRegion shape = CreatePolygonRgn(points, WINDING);
    SetWindowRgn(Handle(), &shape, true);
}

// Pure red: the region leaves only the arrow.
void TDragArrow::Paint()
{
    Canvas()->Brush()->SetColor(clRed);
    Canvas()->Brush()->SetStyle(bsSolid);
    Canvas()->FillRect(ClientRect());
}
