#include "controls/skins/skin_docked_frame.h"

#include "controls/skins/skin_bar_helpers.h"
#include "controls/skins/skin_bar_painting.h"
#include "controls/skins/skin_floating_frame.h"
#include "controls/skins/skin_manager.h"
#include "platform/gui/graphics/canvas.h"
#include "platform/gui/windows/message_views.h"
#include "platform/gui/windows/window_functions.h"

namespace {

bool IsDestroying(const TBarCustomDockableWindow& window)
{
    return window.ComponentState().Contains(csDestroying);
}

IQvSkinnedDockableWindow& Skinned(TBarCustomDockableWindow& window)
{
    return dynamic_cast<IQvSkinnedDockableWindow&>(window);
}

} // namespace

void DrawSkinnedNCArea(TBarCustomDockableWindow& window, bool drawToDC, HDC dc, const TRegion* clip)
{
    if (IsDestroying(window) || !window.Docked() || !window.HandleAllocated())
        return;
    IQvSkinnedDockableWindow& skinned = Skinned(window);
    TCanvas& canvas = *(drawToDC ? dc : GetWindowDC(window.Handle()));
    const int saved = SaveDC(canvas);
    const TRect whole{0, 0, window.Width(), window.Height()};
    if (!drawToDC) {
        if (clip)
            ExtSelectClipRgn(canvas, clip, RGN_AND);
        // Only the frame and the drag handle: the client area paints itself.
        const int border = skinned.DefaultToolbarBorderSize();
        TRect client = whole;
        InflateRect(client, -border, -border);
        (IsDockVertical(&window) ? client.Top : client.Left) += GetDragHandleSize(&window);
        ExcludeClipRect(canvas, client.Left, client.Top, client.Right, client.Bottom);
    }
    skinned.DrawBackground(canvas, whole, true, true);
    PaintDragHandle(&window, canvas, whole);
    RestoreDC(canvas, saved);
    if (!drawToDC)
        ReleaseDC(window.Handle(), &canvas);
}

void EraseSkinnedClientArea(TBarCustomDockableWindow& window, TMessage& message)
{
    message.Result = 1;
    HDC dc = TPaintView(message).DC;
    if (IsDestroying(window) || !dc)
        return;
    IQvSkinnedDockableWindow& skinned = Skinned(window);
    // Docked, the client background continues the frame's: the same rectangle, seen from the client area.
    TRect r = window.ClientRect();
    if (window.Docked()) {
        const int border = skinned.DefaultToolbarBorderSize();
        InflateRect(r, border, border);
        (IsDockVertical(&window) ? r.Top : r.Left) -= GetDragHandleSize(&window);
    }
    skinned.DrawBackground(*dc, r, false, true);
}

TPoint SkinnedFloatingBorderSize(TPoint frameworkSize)
{
    if (GetSkinManager().GetSkinType() != sknSkin)
        return frameworkSize;
    const int size = GetCurrentSkin()->FloatingWindowBorderSize();
    return {size, size};
}

void RedrawAfterSkinChange(TBarCustomDockableWindow& window)
{
    if (window.HandleAllocated() && !window.Floating())
        RedrawWindow(window.Handle(), nullptr, nullptr,
                     RDW_ERASE | RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN);
}

void RedrawFloatingCaption(TBarCustomDockableWindow& window)
{
    if (!window.Floating())
        return;
    if (auto* frame = dynamic_cast<TQvFloatingWindowParent*>(window.FloatParent()))
        frame->RedrawFrame();
}
