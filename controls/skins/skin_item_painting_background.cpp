// The background of a menu entry or toolbar button: button faces, split halves, the face joined with an open
// popup, the menu highlight, the check background in the gutter and the split line of a menu entry.

#include "controls/skins/skin_drawing.h"
#include "controls/skins/skin_item_painting.h"
#include "controls/skins/skin_manager.h"
#include "controls/toolbars/menu_glyphs.h"

#include <memory>

namespace {

// The side where the two faces of a split button meet keeps square corners.
unsigned SplitForceRect(TQvComboPart part)
{
    switch (part) {
    case cpSplitLeft:
        return BF_RIGHT;
    case cpSplitRight:
        return BF_LEFT;
    default:
        return 0;
    }
}

void PaintDesignFrame(TCanvas& canvas, const TRect& r, const TQvMenuItemInfo& info)
{
    if (info.IsDesigning) {
        const unsigned force = info.IsSplit ? SplitForceRect(info.ComboPart) : 0;
        DrawRoundedFrame(canvas, r, 2, clBtnShadow, clBtnShadow, clNone, clNone, force);
    }
}

void PaintClassicItemFace(TCanvas& canvas, const TRect& r, const TQvMenuItemInfo& info)
{
    TQvSkinStatesType state = info.State;
    if (info.Checked && (!info.HotTrack || (!info.Enabled && info.ToolbarStyle))) {
        state = sknsChecked;
    }
    if (state != sknsNormal) {
        PaintToolbarButtonState(canvas, r, state, info.ComboPart);
    } else if (info.IsDesigning) {
        TSavedCanvasState saved(canvas);
        TRect edge = r;
        DrawEdge(canvas, edge, BDR_RAISEDINNER, BF_RECT);
    }
}

void PaintThemedItemFace(TQvSkinOptions& skin, TCanvas& canvas, const TRect& r, const TQvMenuItemInfo& info)
{
    PaintDesignFrame(canvas, r, info);
    if (!info.IsOnMenuBar) {
        PaintToolbarButtonState(canvas, r, info.State, info.ComboPart);
    } else if (info.State != sknsNormal) {
        skin.PaintThemedElementBackground(canvas, r, skncMenuBarItem, info.State);
    }
}

void PaintSkinnedItemFace(TQvSkinOptions& skin, TCanvas& canvas, const TRect& r, const TQvMenuItemInfo& info)
{
    if (info.IsOpen && skin.JoinedPopup()) {
        // Two pixels taller, so that the face runs on into the popup below.
        TRect open = r;
        open.Bottom += 2;
        skin.PaintBackground(canvas, open, skncOpenToolbarItem, sknsNormal, true, true);
        return;
    }
    PaintDesignFrame(canvas, r, info);
    if (info.IsOnMenuBar) {
        const unsigned force = info.IsSplit ? SplitForceRect(info.ComboPart) : 0;
        skin.PaintBackground(canvas, r, skncMenuBarItem, info.State, true, true, false, force);
    } else {
        PaintToolbarButtonState(canvas, r, info.State, info.ComboPart);
    }
}

// One face of a toolbar button, or the check background of a menu entry in the classic look.
void PaintToolbarItemFace(TQvSkinOptions& skin, TCanvas& canvas, const TRect& r, const TQvMenuItemInfo& info)
{
    switch (info.SkinType) {
    case sknNone:
        PaintClassicItemFace(canvas, r, info);
        break;
    case sknWindows:
        PaintThemedItemFace(skin, canvas, r, info);
        break;
    case sknSkin:
        PaintSkinnedItemFace(skin, canvas, r, info);
        break;
    }
}

void PaintToolbarItemBackground(TQvSkinOptions& skin, TCanvas& canvas, const TRect& rect,
                                TQvMenuItemInfo info)
{
    TRect r = rect;
    if (info.IsSplit && info.IsOpen && skin.JoinedPopup()) {
        // One face over both parts, joined with the popup below.
        r.Right = info.ComboRect.Right;
        PaintToolbarItemFace(skin, canvas, r, info);
    } else if (info.IsSplit) {
        if (info.SkinType == sknSkin || info.IsDesigning) {
            r.Right += 2; // the main face runs on under the arrow's
        }
        info.ComboPart = cpSplitLeft;
        PaintToolbarItemFace(skin, canvas, r, info);
        info.ComboPart = cpSplitRight;
        info.State = info.ComboState;
        PaintToolbarItemFace(skin, canvas, info.ComboRect, info);
    } else {
        PaintToolbarItemFace(skin, canvas, r, info);
    }
}

void PaintMenuItemHighlight(TQvSkinOptions& skin, TCanvas& canvas, const TRect& r,
                            const TQvMenuItemInfo& info)
{
    switch (info.SkinType) {
    case sknNone:
        FillRectColors(canvas, r, clHighlight, clNone);
        break;
    case sknWindows:
        skin.PaintThemedElementBackground(canvas, r, skncMenuItem, info.Enabled, false, info.HotTrack, false,
                                          false, false, false);
        break;
    case sknSkin:
        // The hot look whatever the entry's state.
        skin.PaintBackground(canvas, r, skncMenuItem, sknsHotTrack, true, true);
        break;
    }
}

void PaintMenuCheckBackground(TQvSkinOptions& skin, TCanvas& canvas, const TRect& r,
                              const TQvMenuItemInfo& info)
{
    switch (info.SkinType) {
    case sknNone:
        PaintToolbarItemFace(skin, canvas, r, info);
        break;
    case sknWindows: {
        const TThemedMenu part = info.State == sknsDisabled ? tmPopupCheckBackgroundDisabled
                                 : info.ImageShown          ? tmPopupCheckBackgroundBitmap
                                                            : tmPopupCheckBackgroundNormal;
        skin.PaintThemedElementBackground(canvas, r, GetElementDetails(part));
        break;
    }
    case sknSkin:
        skin.PaintBackground(canvas, r, skncMenuItem, info.State, true, true);
        break;
    }
}

// Whether the gutter behind the entry's image or check mark is painted.
bool IsGutterMarked(const TQvMenuItemInfo& info)
{
    if (info.SkinType == sknNone) {
        return info.Checked || info.ImageOrCheckShown;
    }
    return info.Enabled && info.Checked;
}

void PaintMenuItemBackground(TQvSkinOptions& skin, TCanvas& canvas, const TRect& rect,
                             const TQvMenuItemInfo& info)
{
    const bool marked = IsGutterMarked(info);
    const int gutterSize = info.MenuMargins.GutterSize;
    if (info.HotTrack && (info.Enabled || !skin.CompactMenu())) {
        TRect r = rect;
        if (marked && info.SkinType == sknNone) {
            r.Left += gutterSize + 1;
        } else if (marked && info.SkinType == sknSkin &&
                   skin.Options(skncMenuItem, sknsCheckedAndHotTrack).Borders.Color1 != clNone) {
            r.Left += 3; // the check background's border stays visible beside the highlight
        }
        PaintMenuItemHighlight(skin, canvas, r, info);
    }
    if (marked) {
        TRect r = rect;
        r.Right = r.Left + gutterSize;
        PaintMenuCheckBackground(skin, canvas, r, info);
    }
    if (info.IsSplit) {
        const TColor color =
            info.SkinType == sknSkin ? skin.Options(skncMenuItem, info.State).Borders.Color1 : clBtnShadow;
        DrawLineColor(canvas, rect.Right - 14, rect.Top + 1, rect.Right - 14, rect.Bottom - 1, color);
    }
}

} // namespace

void PaintItemBackground(TCanvas& canvas, const TRect& rect, const TQvMenuItemInfo& itemInfo)
{
    const std::shared_ptr<TQvSkinOptions> skin = GetCurrentSkin();
    if (itemInfo.ToolbarStyle) {
        PaintToolbarItemBackground(*skin, canvas, rect, itemInfo);
    } else {
        PaintMenuItemBackground(*skin, canvas, rect, itemInfo);
    }
}

void PaintToolbarButtonState(TCanvas& canvas, const TRect& rect, TQvSkinStatesType state,
                             TQvComboPart comboPart)
{
    const std::shared_ptr<TQvSkinOptions> skin = GetCurrentSkin();
    switch (GetSkinManager().GetSkinType()) {
    case sknNone: {
        TSavedCanvasState saved(canvas);
        TRect r = rect;
        if (state == sknsHotTrack) {
            DrawEdge(canvas, r, BDR_RAISEDINNER, BF_RECT);
        } else if (state == sknsPushed || state == sknsCheckedAndHotTrack) {
            DrawEdge(canvas, r, BDR_SUNKENOUTER, BF_RECT);
        } else if (state == sknsChecked) {
            FillCheckedPattern(canvas, r);
            DrawEdge(canvas, r, BDR_SUNKENOUTER, BF_RECT);
        }
        break;
    }
    case sknWindows:
        if (comboPart == cpNone) {
            skin->PaintThemedElementBackground(canvas, rect, skncToolbarItem, state);
        } else {
            // The platform's toolbar elements of each part run Normal, Hot, Pressed, Disabled, Checked,
            // CheckedHot.
            static constexpr int StateStep[SkinStateCount] = {0, 3, 1, 2, 4, 5};
            const TThemedToolBar base = comboPart == cpCombo       ? ttbDropDownButtonNormal
                                        : comboPart == cpSplitLeft ? ttbSplitButtonNormal
                                                                   : ttbSplitButtonDropDownNormal;
            const auto element = static_cast<TThemedToolBar>(base + StateStep[state]);
            skin->PaintThemedElementBackground(canvas, rect, GetElementDetails(element));
        }
        break;
    case sknSkin:
        skin->PaintBackground(canvas, rect, skncToolbarItem, state, true, true, false,
                              SplitForceRect(comboPart));
        break;
    }
}
