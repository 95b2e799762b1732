// Docks, the bodies of docked and floating toolbars, and the drag handles of docked windows in the look in
// force.

#include "controls/skins/skin_bar_helpers.h"
#include "controls/skins/skin_bar_painting.h"
#include "controls/skins/skin_colors.h"
#include "controls/skins/skin_dock.h"
#include "controls/skins/skin_drawing.h"
#include "controls/skins/skin_glyphs.h"
#include "controls/skins/skin_manager.h"
#include "controls/toolbars/dockable_window.h"
#include "platform/gui/graphics/canvas.h"

#include <algorithm>
#include <optional>

namespace {

// The docked close button's glyph: an x of two-pixel strokes, 6 wide and 5 high, in a 7 x 7 square.
constexpr uint8_t CloseGlyphRows[] = {0x00, 0xCC, 0x78, 0x30, 0x78, 0xCC, 0x00};

void PaintCloseGlyph(TCanvas& canvas, const TRect& r, TColor color)
{
    DrawMonoGlyph(canvas, r, 7, 7, CloseGlyphRows, color);
}

// Where a docked window's grip and close button go, and in which state the button is.
struct TDragHandleLayout
{
    TRect Band;
    std::optional<TRect> CloseButton;
    bool Vertical = false;
    bool Pressed = false;
    bool Hot = false;
    TBarDragHandleStyle Style = dhNone;
};

TDragHandleLayout LayOutDragHandle(const TBarCustomDockableWindow& window, const TRect& rect, int size)
{
    TDragHandleLayout layout;
    layout.Vertical = IsDockVertical(&window);
    layout.Style = window.DragHandleStyle();
    layout.Pressed = window.CloseButtonDown();
    layout.Hot = window.CloseButtonHover();
    TRect& band = layout.Band;
    band = layout.Vertical ? TRect{rect.Left + 2, rect.Top, rect.Right - 2, rect.Top + size}
                           : TRect{rect.Left, rect.Top + 2, rect.Left + size, rect.Bottom - 2};
    if (window.CloseButtonWhenDocked()) {
        if (layout.Vertical) {
            layout.CloseButton = TRect{rect.Right - size, rect.Top + 2, rect.Right - 2, rect.Top + size};
            band.Right -= size - 1;
        } else {
            layout.CloseButton = TRect{rect.Left + 2, rect.Top + 2, rect.Left + size, rect.Top + size};
            band.Top += size - 1;
        }
    }
    return layout;
}

// One raised grip bar, its corner pixel lit as the platform's rebar grip has it.
void PaintClassicGripBar(TCanvas& canvas, const TRect& bar)
{
    TRect edge = bar;
    DrawEdge(canvas, edge, BDR_RAISEDINNER, BF_RECT);
    canvas.SetPixels(bar.Left, bar.Bottom - 1, ColorToRGB(clBtnHighlight));
}

void PaintClassicDragHandle(TCanvas& canvas, const TDragHandleLayout& layout)
{
    if (layout.Style != dhNone) {
        constexpr int thickness = 3;
        int start = 3;
        if (layout.CloseButton)
            start += layout.Style == dhDouble ? 1 : 3;
        const int bars = layout.Style == dhDouble ? 2 : 1;
        const TRect& band = layout.Band;
        for (int i = 0; i < bars; ++i, start += thickness) {
            PaintClassicGripBar(
                canvas, layout.Vertical
                            ? TRect{band.Left, band.Top + start, band.Right, band.Top + start + thickness}
                            : TRect{band.Left + start, band.Top, band.Left + start + thickness, band.Bottom});
        }
    }
    if (!layout.CloseButton)
        return;
    TRect button = *layout.CloseButton;
    OffsetRect(button, -1, -1);
    TRect edge = button;
    if (layout.Pressed)
        DrawEdge(canvas, edge, BDR_SUNKENOUTER, BF_RECT);
    else if (layout.Hot)
        DrawEdge(canvas, edge, BDR_RAISEDINNER, BF_RECT);
    if (layout.Pressed)
        OffsetRect(button, 1, 1);
    PaintCloseGlyph(canvas, button, clBtnText);
}

TQvSkinStatesType CloseButtonState(const TDragHandleLayout& layout)
{
    return layout.Pressed ? sknsPushed : layout.Hot ? sknsHotTrack : sknsNormal;
}

void PaintSkinnedDragHandle(TQvSkinOptions& skin, TCanvas& canvas, const TDragHandleLayout& layout)
{
    if (layout.Style != dhNone) {
        // The band shortened by 3 at both ends and moved 2 inwards; the dots run in a 4-pixel strip along
        // its middle.
        TRect band = layout.Band;
        if (layout.Vertical) {
            InflateRect(band, -3, 0);
            OffsetRect(band, 0, 2);
            band = CenterRectVertically(band, 4);
        } else {
            InflateRect(band, 0, -3);
            OffsetRect(band, 2, 0);
            band = CenterRectHorizontally(band, 4);
        }
        const TQvSkinOptionEntry& body = skin.Options(skncToolbarGrip).Body;
        DrawGripDots(canvas, band, body.Color1, body.Color2);
    }
    if (!layout.CloseButton)
        return;
    const TQvSkinStatesType state = CloseButtonState(layout);
    TRect button = *layout.CloseButton;
    skin.PaintBackground(canvas, button, skncToolbarItem, state, true, true);
    if (layout.Pressed)
        OffsetRect(button, 1, 1);
    PaintCloseGlyph(canvas, button, skin.GetTextColor(skncToolbarItem, state));
}

// The theme's rebar grip, fitted to a whole number of its 4-pixel dots.
TRect ThemedGripRect(const TDragHandleLayout& layout)
{
    TRect band = layout.Band;
    if (layout.Vertical) {
        OffsetRect(band, -1, 0);
        band = CenterRectVertically(band, 6);
        const int w = band.Width();
        if ((w & 2) == 0)
            band.Left -= 1;
        band.Right = band.Left + (w & ~3) + 2;
    } else {
        OffsetRect(band, 0, -1);
        band = CenterRectHorizontally(band, 6);
        const int h = band.Height();
        band.Top += (h & 3) / 2 - 1;
        band.Bottom = band.Top + (h & ~3) + 1;
    }
    return band;
}

void PaintThemedDragHandle(TQvSkinOptions& skin, TCanvas& canvas, const TDragHandleLayout& layout)
{
    if (layout.Style != dhNone) {
        skin.PaintThemedElementBackground(canvas, ThemedGripRect(layout),
                                          GetElementDetails(layout.Vertical ? trGripperVert : trGripper));
    }
    if (!layout.CloseButton)
        return;
    TRect button = *layout.CloseButton;
    const TThemedToolBar part = layout.Pressed ? ttbButtonPressed
                                : layout.Hot   ? ttbButtonHot
                                               : ttbButtonNormal;
    skin.PaintThemedElementBackground(canvas, button, GetElementDetails(part));
    if (layout.Pressed)
        OffsetRect(button, 1, 1);
    PaintCloseGlyph(canvas, button, clBtnText);
}

// The dock's background behind a docked window, lined up with the dock: rect's origin is the window's
// top-left (paintOnNCArea) or its client area's.
void PaintDockBehindWindow(TBarCustomDockableWindow& window, IQvSkinnedDockableWindow* owner, TCanvas& canvas,
                           bool paintOnNCArea)
{
    TBarDock* dock = window.CurrentDock();
    TRect r{-window.Left(), -window.Top(), dock->ClientWidth() - window.Left(),
            dock->ClientHeight() - window.Top()};
    if (!paintOnNCArea) {
        const int border = owner ? owner->DefaultToolbarBorderSize() : 2;
        OffsetRect(r, -border, -border);
        // The client area starts behind the drag handle too.
        const int handle = GetDragHandleSize(&window);
        if (IsDockVertical(&window))
            OffsetRect(r, 0, -handle);
        else
            OffsetRect(r, -handle, 0);
    }
    if (auto* skinnedDock = dynamic_cast<TQvDock*>(dock))
        skinnedDock->DrawBackground(&canvas, r);
}

// Under the window's own body: the dock's background when docked, the parent's when it lies on a form, the
// window's colour when floating.
bool PaintUnderWindow(TBarCustomDockableWindow& window, IQvSkinnedDockableWindow* owner, TCanvas& canvas,
                      const TRect& rect, bool paintOnNCArea)
{
    if (window.Docked()) {
        PaintDockBehindWindow(window, owner, canvas, paintOnNCArea);
        const TBarDock* dock = window.CurrentDock();
        return !(dock->BackgroundOnToolbars() && DockBackgroundInUse(dock));
    }
    if (!window.Floating()) {
        DrawParentBackground(window, canvas, rect);
    } else if (GetSkinManager().GetSkinType() != sknSkin) {
        const TColor color =
            window.Color() == clNone ? GetCurrentSkin()->GetThemedSystemColor(clBtnFace) : window.Color();
        FillRectColors(canvas, rect, color, clNone);
    }
    return true;
}

} // namespace

void IQvSkinnedDockableWindow::DrawBackground(TCanvas& canvas, const TRect& rect, bool paintOnNCArea,
                                              bool paintBorders)
{
    auto* window = dynamic_cast<TBarCustomDockableWindow*>(this);
    if (window)
        PaintDockableWindowBackground(window, canvas, rect, paintOnNCArea,
                                      paintBorders && window->BorderStyle() == bsSingle, skncToolbar);
}

void PaintDockBackground(TCanvas& canvas, const TRect& rect, bool vertical)
{
    const std::shared_ptr<TQvSkinOptions> skin = GetCurrentSkin();
    switch (GetSkinManager().GetSkinType()) {
    case sknNone:
        FillRectColors(canvas, rect, clBtnFace, clNone);
        break;
    case sknWindows: {
        TRect r = rect;
        if (vertical)
            r.Bottom += 1;
        FillRectColors(canvas, r, skin->GetThemedSystemColor(clBtnFace), clNone);
        skin->PaintThemedElementBackground(canvas, r, skncDock, vertical, false, false, false, false, false,
                                           false);
        break;
    }
    case sknSkin:
        skin->PaintBackground(canvas, rect, skncDock, sknsNormal, true, true, vertical);
        break;
    }
}

void PaintDockableWindowBackground(TBarCustomDockableWindow* window, TCanvas& canvas, const TRect& rect,
                                   bool paintOnNCArea, bool drawBorders, TQvSkinComponentsType component)
{
    if (!window)
        return;
    const bool bodyEmpty = GetCurrentSkin()->Options(component).Body.IsEmpty();
    const bool vertical = IsDockVertical(window);
    auto* owner = dynamic_cast<IQvSkinnedDockableWindow*>(window);
    const bool drawBody = PaintUnderWindow(*window, owner, canvas, rect, paintOnNCArea);

    bool paintDefault = true;
    if (owner)
        owner->DoDrawBackground(canvas, rect, pstPrePaint, paintDefault);
    TQvSkinComponentsType body = bodyEmpty ? skncToolbar : component;
    if (owner && owner->IsMenuBarBody())
        body = skncMenuBar;
    if (paintDefault) {
        if (window->Color() != clNone)
            FillRectColors(canvas, rect, window->Color(), clNone);
        else
            PaintToolbarBody(canvas, rect, window->Docked(), window->Floating(), vertical, drawBody,
                             drawBorders, body);
    }
    paintDefault = true;
    if (owner)
        owner->DoDrawBackground(canvas, rect, pstPostPaint, paintDefault);
}

void PaintToolbarBody(TCanvas& canvas, const TRect& rect, bool docked, bool floating, bool vertical,
                      bool drawBody, bool drawBorders, TQvSkinComponentsType component)
{
    const std::shared_ptr<TQvSkinOptions> skin = GetCurrentSkin();
    switch (GetSkinManager().GetSkinType()) {
    case sknNone:
        if (drawBorders && docked) {
            TSavedCanvasState saved(canvas);
            TRect edge = rect;
            DrawEdge(canvas, edge, BDR_RAISEDINNER, BF_RECT | BF_ADJUST);
        }
        break;
    case sknSkin:
        if (!docked && !floating)
            break;
        if (floating && skin->Options(component).Body.IsEmpty())
            skin->PaintBackground(canvas, rect, skncDock, sknsNormal, true, false);
        else
            skin->PaintBackground(canvas, rect, component, sknsNormal, drawBody, drawBorders && !floating,
                                  vertical);
        break;
    case sknWindows:
        if (drawBorders && docked) {
            const TColor face = ColorToRGB(clBtnFace);
            DrawRoundedFrame(canvas, rect, 0, LightenColor(face, 24), LightenColor(face, -32), clNone, clNone,
                             0);
        }
        break;
    }
}

void PaintDragHandle(TBarCustomDockableWindow* window, TCanvas& canvas, const TRect& rect)
{
    const int size = GetDragHandleSize(window);
    if (size < 1)
        return;
    const TDragHandleLayout layout = LayOutDragHandle(*window, rect, size);
    const std::shared_ptr<TQvSkinOptions> skin = GetCurrentSkin();
    TSavedCanvasState saved(canvas);
    switch (GetSkinManager().GetSkinType()) {
    case sknNone:
        PaintClassicDragHandle(canvas, layout);
        break;
    case sknSkin:
        PaintSkinnedDragHandle(*skin, canvas, layout);
        break;
    case sknWindows:
        PaintThemedDragHandle(*skin, canvas, layout);
        break;
    }
}
