#include "controls/skins/skin_floating_frame.h"

#include "controls/skins/skin_bar_helpers.h"
#include "controls/skins/skin_bar_painting.h"
#include "controls/skins/skin_glyphs.h"
#include "controls/skins/skin_manager.h"
#include "controls/skins/skin_text_output.h"
#include "controls/skins/skin_unit_resources.h"
#include "controls/toolbars/dock_types.h"
#include "controls/toolbars/dockable_window.h"
#include "controls/toolbars/system_queries.h"
#include "platform/gui/graphics/canvas.h"
#include "platform/gui/graphics/gdi.h"
#include "platform/gui/graphics/theme.h"
#include "platform/gui/windows/message_views.h"
#include "platform/gui/windows/system_metrics.h"
#include "platform/gui/windows/window_functions.h"

namespace {

constexpr unsigned TrackLeave = 0x00000002;     // leave reports
constexpr unsigned TrackNonClient = 0x00000010; // for the frame rather than the client area

const TBarFrameParts AllParts{fpFrame, fpCaption, fpCloseButton};

// The look of the themed close button: normal, hot, pressed.
int ThemedCloseState(bool down, bool hover)
{
    return down ? 3 : hover ? 2 : 1;
}

} // namespace

TQvFloatingWindowParent::TQvFloatingWindowParent(TComponent* owner) : TBarFloatingWindowParent(owner)
{
    SetScreenSnap(true);
    GetSkinManager().AddSkinNotification(this);
}

TQvFloatingWindowParent::~TQvFloatingWindowParent()
{
    GetSkinManager().RemoveSkinNotification(this);
}

void TQvFloatingWindowParent::CreateWnd()
{
    TBarFloatingWindowParent::CreateWnd();
    UpdateSkin();
}

void TQvFloatingWindowParent::UpdateSkin()
{
    if (!HandleAllocated())
        return;
    const TQvSkinType skinType = GetSkinManager().GetSkinType();
    TBarCustomDockableWindow* window = DockableWindow();
    // Only the compositor's frame is sized by the window system; every other look paints a frame of its own.
    const bool thickFrame =
        window && window->Resizable() && skinType == sknWindows && IsDwmCompositionEnabled();
    const intptr_t style = GetWindowLong(Handle(), GWL_STYLE);
    SetWindowLong(Handle(), GWL_STYLE, thickFrame ? style | WS_THICKFRAME : style & ~intptr_t{WS_THICKFRAME});
    RecalcFrame(this);
    if (window)
        window->Arrange();
    RedrawWindow(Handle(), nullptr, nullptr, RDW_ERASE | RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN);
    SetDwmNonClientRendering(this, skinType == sknWindows);
}

void TQvFloatingWindowParent::RedrawFrame()
{
    if (HandleAllocated() && IsWindowVisible(Handle()) && GetSkinManager().GetSkinType() != sknNone)
        DrawNCArea(false, nullptr, AllParts);
}

void TQvFloatingWindowParent::VisibleChanging()
{
    TBarFloatingWindowParent::VisibleChanging();
    SetCaption("");
}

// --- painting ----------------------------------------------------------------------------------------------

void TQvFloatingWindowParent::DrawNCArea(bool drawToDC, HDC dc, TBarFrameParts redrawWhat)
{
    TBarCustomDockableWindow* window = DockableWindow();
    if (!HandleAllocated() || !window)
        return;
    TCanvas& canvas = *(drawToDC ? dc : GetWindowDC(Handle()));
    const int saved = SaveDC(canvas);
    TRect r{0, 0, Width(), Height()};
    IntersectClipRect(canvas, r.Left, r.Top, r.Right, r.Bottom);
    canvas.Brush()->SetColor(Color());
    const TPoint border = window->GetFloatingBorderSize();
    const bool active = !window->InactiveCaption();
    if (redrawWhat.Contains(fpFrame))
        PaintSkinnedWindowFrame(canvas, r, active, border, false);
    if (window->ShowCaption())
        PaintCaptionStrip(canvas, r, border, active, redrawWhat);
    RestoreDC(canvas, saved);
    if (!drawToDC)
        ReleaseDC(Handle(), &canvas);
}

// strip: the window's rectangle; it becomes the caption strip inside the border.
void TQvFloatingWindowParent::PaintCaptionStrip(TCanvas& canvas, TRect& strip, TPoint border, bool active,
                                                TBarFrameParts parts)
{
    strip.Bottom = strip.Top + border.Y + GetSystemMetrics(SM_CYSMCAPTION);
    const TQvSkinType skinType = GetSkinManager().GetSkinType();
    // The theme's caption runs under the side borders; the classic and skinned ones lie between them.
    const bool fullWidthBar = skinType == sknWindows;
    if (parts.Contains(fpFrame) && fullWidthBar)
        PaintTitleBarBackground(canvas, strip, active, true);
    strip = {strip.Left + border.X, strip.Top + border.Y, strip.Right - border.X, strip.Bottom};
    if (parts.Contains(fpFrame) && !fullWidthBar)
        PaintTitleBarBackground(canvas, strip, active, true);
    if (parts.Contains(fpCaption))
        PaintCaptionText(canvas, strip, active);
    if (parts.Contains(fpCloseButton) && DockableWindow()->CloseButton())
        PaintCloseButton(canvas, strip);
}

void TQvFloatingWindowParent::PaintCaptionText(TCanvas& canvas, const TRect& strip, bool active)
{
    TBarCustomDockableWindow* window = DockableWindow();
    TRect text{strip.Left + 2, strip.Top, strip.Right, strip.Bottom};
    if (window->CloseButton())
        text.Right -= GetSystemMetrics(SM_CYSMCAPTION) + 2;
    // Only the skinned toolbars and tool windows show their caption here.
    const bool skinned = dynamic_cast<IQvSkinnedDockableWindow*>(window) != nullptr;
    canvas.Brush()->SetStyle(bsClear);
    canvas.SetFont(SmallCaptionFont());
    canvas.Font()->SetColor(
        GetCurrentSkin()->GetTextColor(skncWindowTitleBar, active ? sknsNormal : sknsDisabled));
    DrawSkinText(canvas, skinned ? window->Caption() : std::string(), text,
                 DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_HIDEPREFIX, gldNone, clNone, tra0);
    canvas.Brush()->SetStyle(bsSolid);
}

void TQvFloatingWindowParent::PaintCloseButton(TCanvas& canvas, const TRect& strip)
{
    const int side = strip.Height() - 5;
    TRect button{strip.Right - side - 2, strip.Top + 2, strip.Right - 2, strip.Top + 2 + side};
    const bool down = CloseButtonDown();
    switch (GetSkinManager().GetSkinType()) {
    case sknNone:
        DrawFrameControl(canvas, button, DFC_CAPTION, DFCS_CAPTIONCLOSE | (down ? DFCS_PUSHED : 0));
        break;
    case sknSkin: {
        const std::shared_ptr<TQvSkinOptions> skin = GetCurrentSkin();
        const TQvSkinStatesType state = TQvSkinOptions::GetState(true, down, FCloseButtonHover, false);
        TColor glyph = skin->GetTextColor(skncWindowTitleBar, state);
        if (glyph == clNone)
            glyph = skin->GetTextColor(skncToolbarItem, state);
        skin->PaintBackground(canvas, button, skncToolbarItem, state, true, true);
        DrawCaptionButtonGlyph(canvas, button, cbgClose, glyph);
        break;
    }
    case sknWindows:
        if (HTHEME theme = OpenThemeData("window")) {
            DrawThemeBackground(theme, canvas, WP_CLOSEBUTTON, ThemedCloseState(down, FCloseButtonHover),
                                button, nullptr);
            CloseThemeData(theme);
        }
        break;
    }
}

// --- messages ----------------------------------------------------------------------------------------------

void TQvFloatingWindowParent::Dispatch(TMessage& message)
{
    switch (message.Msg) {
    case WM_ERASEBKGND:
        // The framed window covers the client area.
        message.Result = 1;
        return;
    case WM_CLOSE:
        if (FCloseOnAltF4 && DockableWindow()) {
            DockableWindow()->Close();
            return;
        }
        break;
    case WM_NCMOUSEMOVE:
        NCMouseMove(message);
        return;
    case WM_NCMOUSELEAVE:
        if (!GetCapture())
            MouseLeft();
        break;
    case CM_MOUSELEAVE:
        MouseLeft();
        break;
    case WM_ACTIVATEAPP:
        TBarFloatingWindowParent::Dispatch(message);
        if (DockableWindow() && !DockableWindow()->HideWhenInactive() && HandleAllocated())
            RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
        return;
    case WM_SKINCHANGED:
        UpdateSkin();
        break;
    }
    TBarFloatingWindowParent::Dispatch(message);
}

void TQvFloatingWindowParent::NCMouseMove(TMessage& message)
{
    TBarFloatingWindowParent::Dispatch(message);
    CallTrackMouseEvent(Handle(), TrackLeave | TrackNonClient);
    const bool hover = TNCMouseView(message).HitTest == HTBARCLOSE;
    if (hover != FCloseButtonHover) {
        FCloseButtonHover = hover;
        RedrawFrame();
    }
}

void TQvFloatingWindowParent::MouseLeft()
{
    if (!FCloseButtonHover)
        return;
    FCloseButtonHover = false;
    RedrawFrame();
}
