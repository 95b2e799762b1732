#include "controls/grid/clipping.h"

#include "platform/gui/graphics/gdi.h"
#include "platform/gui/windows/win_control.h"

void ClipToRect(TCanvas& canvas, const TRect& rect)
{
    TPoint origin;
    GetWindowOrgEx(canvas, origin);
    TRegion region = CreateRectRgn(rect.Left, rect.Top, rect.Right, rect.Bottom);
    OffsetRgn(region, -origin.X, -origin.Y);
    SelectClipRgn(canvas, &region);
}

void SelectClipRect(TCanvas& canvas, const TRect& rect)
{
    const TRegion region = CreateRectRgn(rect.Left, rect.Top, rect.Right, rect.Bottom);
    SelectClipRgn(canvas, &region);
}

void PaintParentImage(TControl& control, TCanvas& canvas)
{
    TWinControl* parent = control.Parent();
    if (!parent || !parent->HandleAllocated())
        return;
    const int saved = SaveDC(canvas);
    const TPoint offset = control.ClientToParent({0, 0});
    MoveWindowOrg(canvas, -offset.X, -offset.Y);
    TPoint brushOrigin;
    SetBrushOrgEx(canvas, -offset.X, -offset.Y, &brushOrigin);
    parent->Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(&canvas), 0);
    parent->Perform(WM_PAINT, reinterpret_cast<WPARAM>(&canvas), 0);
    RestoreDC(canvas, saved);
}
