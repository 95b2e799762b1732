// The page control's mouse and keys: pressing a tab activates it, releasing it over the same tab reports
// the click, a drag further than 5 pixels moves the page through the page order, and the popup and close
// buttons act on release.

#include "controls/grid/geometry.h"
#include "controls/pack/page_control.h"
#include "platform/gui/forms/screen.h"
#include "platform/gui/graphics/gdi.h"

namespace {

TGxButtonState With(TGxButtonState state, TGxButtonStateFlag flag, bool on)
{
    if (on)
        state.Include(flag);
    else
        state.Exclude(flag);
    return state;
}

} // namespace

void TKVGxPageControl6::SetHotPageTab(TKVGxPageSheet6* page)
{
    if (page == FHotPageTab)
        return;
    SetCloseButtonState({});
    RefreshPageTab(FHotPageTab);
    FHotPageTab = page && page->TabEnabled() ? page : nullptr;
    RefreshPageTab(FHotPageTab);
}

void TKVGxPageControl6::SetPressedPageTab(TKVGxPageSheet6* page)
{
    if (page == FPressedPageTab)
        return;
    RefreshPageTab(FPressedPageTab);
    if (page && !page->TabEnabled())
        return;
    FPressedPageTab = page;
    RefreshPageTab(page);
}

void TKVGxPageControl6::SetCloseButtonState(TGxButtonState state)
{
    if (!StoreIfChanged(FCloseButtonState, state))
        return;
    if (FCloseButtonLocation == cbBeside)
        InvalidateArea(GetCloseButtonRect());
    else if (FHotPageTab)
        InvalidateArea(GetTabCloseButtonRect(FHotPageTab));
}

void TKVGxPageControl6::SetPopupButtonState(TGxButtonState state)
{
    if (StoreIfChanged(FPopupButtonState, state))
        InvalidateArea(GetTabsPopupButtonRect());
}

void TKVGxPageControl6::UpdateButtonHover(TPoint point)
{
    if (FVisibleButtons.Contains(pbTabsPopup))
        SetPopupButtonState(With(FPopupButtonState, bsHover, PtInRect(GetTabsPopupButtonRect(), point)));
    if (FCloseButtonLocation == cbBeside)
        SetCloseButtonState(With(FCloseButtonState, bsHover, PtInRect(GetCloseButtonRect(), point)));
    else if (FHotPageTab)
        SetCloseButtonState(
            With(FCloseButtonState, bsHover, PtInRect(GetTabCloseButtonRect(FHotPageTab), point)));
}

void TKVGxPageControl6::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    TKVGxCustomNotebook6::MouseDown(button, shift, x, y);
    const TPoint p{x, y};
    TKVGxPageSheet6* tab = GetTabAtPos(p);
    SetPressedPageTab(tab);
    if (button != mbLeft)
        return;
    if (tab && tab->TabEnabled()) {
        SetActivePage(tab);
        FMouseLocation = p;
    }
    if (FVisibleButtons.Contains(pbTabsPopup) && PtInRect(GetTabsPopupButtonRect(), p))
        SetPopupButtonState(With(FPopupButtonState, bsPressed, true));
    if (FVisibleButtons.Contains(pbClose)) {
        const bool onClose = FCloseButtonLocation == cbBeside
                                 ? PtInRect(GetCloseButtonRect(), p)
                                 : tab && PtInRect(GetTabCloseButtonRect(tab), p);
        if (onClose)
            SetCloseButtonState(With(FCloseButtonState, bsPressed, true));
    }
}

void TKVGxPageControl6::MouseMove(TShiftState shift, int x, int y)
{
    TKVGxCustomNotebook6::MouseMove(shift, x, y);
    const TPoint p{x, y};
    if (FPressedPageTab && FTabMoving) {
        if (FMoving) {
            if (TKVGxPageSheet6* under = GetTabAtPos(p); under && ActivePage())
                ActivePage()->SetIndex(under->Index());
            return;
        }
        if (IsPointFarFrom(p, FMouseLocation, 5)) {
            FMoving = true;
            Screen->SetCursor(crDrag);
            return;
        }
    }
    UpdateButtonHover(p);
    SetHotPageTab(GetTabAtPos(p));
}

void TKVGxPageControl6::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    TKVGxCustomNotebook6::MouseUp(button, shift, x, y);
    if (FMoving) {
        FMoving = false;
        Screen->SetCursor(crDefault);
    }
    if (FPressedPageTab && FPressedPageTab == FHotPageTab)
        DoTabClick(FPressedPageTab, button, shift, x, y);
    const TPoint p{x, y};
    if (button == mbLeft) {
        if (FVisibleButtons.Contains(pbTabsPopup) && FPopupButtonState.Contains(bsPressed))
            ShowTabsPopup();
        if (FVisibleButtons.Contains(pbClose) && FCloseButtonState.Contains(bsPressed)) {
            if (FCloseButtonLocation == cbBeside && PtInRect(GetCloseButtonRect(), p))
                ClosePage(dynamic_cast<TKVGxPageSheet6*>(ActivePage()));
            else if (FCloseButtonLocation == cbTab && FHotPageTab && FHotPageTab == FPressedPageTab &&
                     PtInRect(GetTabCloseButtonRect(FHotPageTab), p))
                ClosePage(FHotPageTab);
        }
    }
    SetPopupButtonState(With(FPopupButtonState, bsPressed, false));
    SetCloseButtonState(With(FCloseButtonState, bsPressed, false));
    SetPressedPageTab(nullptr);
}

void TKVGxPageControl6::KeyDown(uint16_t& key, TShiftState shift)
{
    TKVGxCustomNotebook6::KeyDown(key, shift);
    if (key == VK_LEFT)
        SetActivePageIndex(ActivePageIndex() - 1);
    else if (key == VK_RIGHT)
        SetActivePageIndex(ActivePageIndex() + 1);
}

void TKVGxPageControl6::Resized()
{
    const TSize now{ClientWidth(), ClientHeight()};
    const int dw = now.cx - FLastClientSize.cx;
    const int dh = now.cy - FLastClientSize.cy;
    const TRect strip = GetTabsStripRect();
    if (dw != 0) {
        if (FTabsLocation == tbTop || FTabsLocation == tbBottom) {
            InvalidateArea({strip.Right - dw, strip.Top, strip.Right, strip.Bottom});
            if (IsSideButtonVisible())
                InvalidateArea({strip.Right, strip.Top, now.cx, strip.Bottom});
        } else if (FTabsLocation == tbRight) {
            InvalidateArea(GetTabsAreaWithSeparatorRect());
        }
    }
    if (dh != 0 && FTabsLocation != tbTop)
        InvalidateArea(GetTabsAreaWithSeparatorRect());
    FLastClientSize = now;
}
