#include "controls/toolbars/view.h"

#include "controls/toolbars/item_classes.h"
#include "controls/toolbars/item_viewer.h"
#include "controls/toolbars/system_queries.h"
#include "platform/gui/graphics/bitmap.h"
#include "platform/gui/graphics/gdi.h"
#include "platform/gui/windows/win_control.h"
#include "platform/gui/windows/window_functions.h"

#include <memory>

void TBarView::Invalidate(TBarItemViewer* viewer)
{
    if (!FValidated || !FWindow || !FWindow->HandleAllocated() || !viewer->FShow)
        return;
    const TRect& r = viewer->FBoundsRect;
    if (r.Right <= r.Left || r.Bottom <= r.Top || dynamic_cast<TBarControlItem*>(viewer->Item()))
        return;
    viewer->State.Include(tbvsNeedsOffscreenPaint);
    InvalidateWindow(&r, false);
}

void TBarView::DrawSubitems(TCanvas& canvas)
{
    ValidatePositions();
    const TRect clip = canvas.ClipRect();
    auto meetsClip = [&clip](const TRect& r) {
        return r.Left < clip.Right && r.Right > clip.Left && r.Top < clip.Bottom && r.Bottom > clip.Top;
    };
    // The selected viewer comes last, on top of its neighbours.
    const bool inOrder = FState.Contains(vsDrawInOrder);
    std::vector<TBarItemViewer*> order = FViewers;
    if (!inOrder && FSelected)
        if (const auto it = std::find(order.begin(), order.end(), FSelected); it != order.end())
            std::rotate(it, it + 1, order.end());
    for (TBarItemViewer* viewer : order) {
        if (viewer->FShow && meetsClip(viewer->FBoundsRect))
            PaintViewer(viewer, canvas, false);
        else
            viewer->State.Exclude(tbvsNeedsOffscreenPaint);
    }
    FState.Exclude(vsDrawInOrder);
}

namespace {

// The text colour of a viewer and whether a disabled one is drawn with its embossed shadow.
struct TViewerColors
{
    TColor Text;
    bool DisabledShadow;
};

TViewerColors ColorsOf(TBarItemViewer& viewer, bool selected, bool toolbarStyle, TColor windowColor)
{
    if (viewer.Item()->Enabled())
        return {selected && !toolbarStyle ? clHighlightText : toolbarStyle ? clBtnText : clMenuText, false};
    const TColor window = ColorToRGB(windowColor);
    const bool grayIsWindow = ColorToRGB(clGrayText) == window;
    if (toolbarStyle)
        return {clGrayText, true};
    if (selected)
        return {clGrayText, grayIsWindow};
    return {clGrayText, ColorToRGB(clBtnFace) == window || grayIsWindow};
}

} // namespace

void TBarView::PaintViewer(TBarItemViewer* viewer, TCanvas& canvas, bool offscreen)
{
    ValidatePositions();
    if (viewer->State.Contains(tbvsNeedsOffscreenPaint)) {
        offscreen = true;
        viewer->State.Exclude(tbvsNeedsOffscreenPaint);
    }
    const TRect r = viewer->FBoundsRect;
    if (!viewer->FShow || r.Right <= r.Left || r.Bottom <= r.Top ||
        dynamic_cast<TBarControlItem*>(viewer->Item()))
        return;
    const bool selected = viewer == FSelected;
    const bool pushed = selected && (viewer == FOpenViewer || (FMouseOverSelected && FCapture));
    const bool toolbarStyle = viewer->IsToolbarStyle();
    const int saved = SaveDC(canvas);
    struct TRestoreDC
    {
        TCanvas& canvas;
        int saved;
        ~TRestoreDC() { RestoreDC(canvas, saved); }
    } restore{canvas, saved};
    IntersectClipRect(canvas, r.Left, r.Top, r.Right, r.Bottom);
    TRect box;
    if (GetClipBox(canvas, box) == NULLREGION)
        return;
    std::unique_ptr<TBitmap> bitmap;
    TCanvas* target = &canvas;
    if (offscreen) {
        bitmap = std::make_unique<TBitmap>(r.Width(), r.Height());
        target = bitmap->Canvas();
        SetWindowOrgEx(*target, r.Left, r.Top);
        if (FWindow && FWindow->HandleAllocated())
            SendMessage(FWindow->Handle(), WM_ERASEBKGND, reinterpret_cast<WPARAM>(target), 0);
        SetWindowOrgEx(*target, 0, 0);
    } else {
        MoveWindowOrg(canvas, r.Left, r.Top);
        SetBrushOrgEx(canvas, r.Left, r.Top);
    }
    TCanvas& c = *target;
    if (toolbarStyle || !selected) {
        c.Brush()->SetStyle(bsClear);
    } else {
        c.Brush()->SetColor(AreFlatMenusEnabled() ? clMenuHighlight : clHighlight);
        c.Brush()->SetStyle(bsSolid);
    }
    if (TFont* font = GetFont())
        c.SetFont(font);
    const TViewerColors colors =
        ColorsOf(*viewer, selected, toolbarStyle, FWindow ? FWindow->Color() : clBtnFace);
    c.Font()->SetColor(colors.Text);
    viewer->Paint(c, {0, 0, r.Width(), r.Height()}, selected, pushed, colors.DisabledShadow);
    if (bitmap)
        BitBlt(canvas, r.Left, r.Top, r.Width(), r.Height(), c, 0, 0, SRCCOPY);
}
