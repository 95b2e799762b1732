// Where the page control's tabs area, strip, tabs and buttons lie, and the walk along the strip that places
// the visible tabs.

#include "controls/grid/geometry.h"
#include "controls/pack/page_control.h"
#include "platform/gui/graphics/gdi.h"

#include <cmath>

TSize TKVGxPageControl6::GetButtonSize() const
{
    const TPoint size = ScalePointToDpi(MakePoint(16, 16));
    return {size.X, size.Y};
}

bool TKVGxPageControl6::IsSideButtonVisible() const
{
    return FVisibleButtons.Contains(pbTabsPopup) || FVisibleButtons.Contains(pbScrolling) ||
           (FVisibleButtons.Contains(pbClose) && FCloseButtonLocation == cbBeside);
}

TRect TKVGxPageControl6::GetTabsAreaRect() const
{
    const int tabHeight = FTabsHeight + FTabPadding->Top() + FTabPadding->Bottom();
    const int tabWidth = FTabsWidth + FTabPadding->Left() + FTabPadding->Right();
    const int across = FTabsPadding->Top() + FTabsPadding->Bottom();
    if (TabsOrientation() == orVertical) {
        const int width = tabWidth + across;
        return Bounds(FTabsLocation == tbRight ? ClientWidth() - width : 0, 0, width, ClientHeight());
    }
    const int height = tabHeight + across;
    return Bounds(0, FTabsLocation == tbBottom ? ClientHeight() - height : 0, ClientWidth(), height);
}

TRect TKVGxPageControl6::GetTabsAreaWithSeparatorRect() const
{
    TRect r = GetTabsAreaRect();
    switch (FTabsLocation) {
    case tbTop:
        r.Bottom += 2;
        break;
    case tbLeft:
        r.Right += 2;
        break;
    case tbRight:
        r.Left -= 2;
        break;
    case tbBottom:
        r.Top -= 2;
        break;
    }
    return r;
}

void TKVGxPageControl6::AdjustClientRect(TRect& rect) const
{
    TKVGxCustomNotebook6::AdjustClientRect(rect);
    if (!FShowTabs)
        return;
    const TRect area = GetTabsAreaRect();
    switch (FTabsLocation) {
    case tbTop:
        rect.Top += area.Height() + 2;
        break;
    case tbLeft:
        rect.Left += area.Width() + 2;
        break;
    case tbRight:
        rect.Right -= area.Width() + 2;
        break;
    case tbBottom:
        rect.Bottom -= area.Height() + 2;
        break;
    }
}

TRect TKVGxPageControl6::GetTabsStripRect() const
{
    const TSize button = GetButtonSize();
    const bool vertical = TabsOrientation() == orVertical;
    int length = (vertical ? ClientHeight() : ClientWidth()) - FTabsPadding->Left() - FTabsPadding->Right();
    if (FVisibleButtons.Contains(pbTabsPopup))
        length -= button.cx;
    if (FVisibleButtons.Contains(pbClose) && FCloseButtonLocation == cbBeside)
        length -= button.cx;
    const TRect area = GetTabsAreaRect();
    const TSize tab{FTabsWidth + FTabPadding->Left() + FTabPadding->Right(),
                    FTabsHeight + FTabPadding->Top() + FTabPadding->Bottom()};
    switch (FTabsLocation) {
    case tbTop:
        return Bounds(FTabsPadding->Left(), area.Top + FTabsPadding->Top(), length, tab.cy);
    case tbBottom:
        return Bounds(FTabsPadding->Left(), area.Top + FTabsPadding->Bottom(), length, tab.cy);
    case tbLeft:
        return Bounds(FTabsPadding->Top(), area.Top + FTabsPadding->Left(), tab.cx, length);
    case tbRight:
        return Bounds(area.Left + FTabsPadding->Bottom(), area.Top + FTabsPadding->Left(), tab.cx, length);
    }
    return {};
}

TRect TKVGxPageControl6::GetTabsPopupButtonRect() const
{
    const TSize b = GetButtonSize();
    const TRect strip = GetTabsStripRect();
    if (TabsOrientation() == orVertical)
        return Bounds(strip.Left, strip.Bottom, b.cx, b.cy);
    const int down = static_cast<int>(std::nearbyint(strip.Height() / 2.0 - b.cy / 2.0));
    return Bounds(strip.Right, strip.Top + down, b.cx, b.cy);
}

TRect TKVGxPageControl6::GetCloseButtonRect() const
{
    TRect r = GetTabsPopupButtonRect();
    if (FVisibleButtons.Contains(pbTabsPopup))
        OffsetRect(r, GetButtonSize().cx, 0);
    return r;
}

TSize TKVGxPageControl6::GetPageTabSize(int index) const
{
    const int height = FTabsHeight + FTabPadding->Top() + FTabPadding->Bottom();
    if (TabsOrientation() == orVertical)
        return {FTabsWidth + FTabPadding->Left() + FTabPadding->Right(), height};
    TCanvas& canvas = *Canvas();
    canvas.SetFont(FTabFont.get());
    if (FOptions.Contains(poBoldActiveCaption) && index == ActivePageIndex())
        canvas.Font()->SetStyle(canvas.Font()->Style() + TFontStyles{fsBold});
    TRect measured{0, 0, 0, 0};
    DrawText(canvas, GetPageCaption(index), measured, DT_CALCRECT | DT_SINGLELINE);
    const int captionWidth = measured.Width();
    int width = FTabPadding->Left() + FTabPadding->Right() + captionWidth;
    const TKVGxPageSheet6* page = GetPage(index);
    if (FImages && FShowImages && page && page->ImageIndex() >= 0 && page->ImageIndex() < FImages->Count())
        width += FImages->Width() + (captionWidth > 0 ? 4 : 0);
    if (FCloseButtonLocation == cbTab)
        width += GetButtonSize().cx + 4;
    return {width, height};
}

std::vector<TKVGxPageControl6::TTabPlace> TKVGxPageControl6::TabWalk() const
{
    const TRect strip = GetTabsStripRect();
    int x = strip.Left;
    int y = strip.Top;
    int first = 0;
    if (FPreciseScrolling)
        x -= FScrollPosition;
    else
        first = FScrollPosition;
    std::vector<TTabPlace> places;
    for (int i = std::max(first, 0); i < Count(); ++i) {
        TKVGxPageSheet6* page = GetPage(i);
        if (!page || !page->TabVisible())
            continue;
        const TSize size = GetPageTabSize(i);
        places.push_back({page, Bounds(x, y, size.cx, size.cy)});
        if (TabsOrientation() == orHorizontal)
            x += size.cx + FTabsSpacing;
        else
            y += size.cy + FTabsSpacing;
    }
    return places;
}

TRect TKVGxPageControl6::GetTabRect(const TKVGxPageSheet6* page) const
{
    const std::vector<TTabPlace> walk = TabWalk();
    for (const TTabPlace& place : walk)
        if (place.Page == page)
            return place.Rect;
    return walk.empty() ? TRect{0, 0, 0, 0} : walk.back().Rect;
}

TKVGxPageSheet6* TKVGxPageControl6::GetTabAtPos(TPoint point) const
{
    if (!PtInRect(GetTabsStripRect(), point))
        return nullptr;
    TKVGxPageSheet6* found = nullptr;
    for (const TTabPlace& place : TabWalk())
        if (PtInRect(place.Rect, point))
            found = place.Page;
    return found;
}

TRect TKVGxPageControl6::GetTabCloseButtonRect(const TKVGxPageSheet6* page) const
{
    const TSize b = GetButtonSize();
    TRect r = GetTabRect(page);
    r = {r.Left + FTabPadding->Left(), r.Top + FTabPadding->Top(), r.Right - FTabPadding->Right(),
         r.Bottom - FTabPadding->Bottom()};
    r.Left = r.Right - b.cx;
    r.Top += r.Height() / 2 - b.cy / 2;
    r.Bottom = r.Top + b.cy;
    return r;
}

void TKVGxPageControl6::ScrollToTab(const TKVGxPageSheet6* page)
{
    if (FPreciseScrolling) {
        const TRect tab = GetTabRect(page);
        const TRect strip = GetTabsStripRect();
        if (tab.Left < strip.Left)
            FScrollPosition -= strip.Left - tab.Left;
        else if (tab.Right > strip.Right)
            FScrollPosition += tab.Right - strip.Right;
    }
    if (FAutoAdjustTabsSeparatorColor && page)
        FTabsSeparatorColor =
            page->TabActiveBgColorTo() != clNone ? page->TabActiveBgColorTo() : page->TabActiveBgColor();
    Invalidate();
}

void TKVGxPageControl6::RefreshPageTab(const TKVGxPageSheet6* page)
{
    if (page)
        InvalidateArea(GetTabRect(page));
}
