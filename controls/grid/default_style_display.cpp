#include "controls/grid/default_style_display.h"

#include "controls/grid/column.h"
#include "controls/grid/column_parts.h"
#include "controls/grid/frames.h"
#include "controls/grid/providers.h"
#include "controls/grid/ux_themes.h"
#include "support/system_colors.h"

TStyleDisplayAttributes TDefaultStyleDisplay::GetStyleDisplayAttributes() const
{
    return UseThemes() ? TStyleDisplayAttributes{sdaHoverEnabled} : TStyleDisplayAttributes{sdaInvertFocus};
}

void TDefaultStyleDisplay::DrawHeaderPart(int part, int state, const TRect& rect)
{
    if (Theme())
        DrawThemeBackground(Theme(), *Canvas(), part, state, rect, &rect);
    else
        DrawThemedBackground(*Canvas(), rect, "header", part, state);
}

void TDefaultStyleDisplay::DrawHeaderBackground(TGxCustomColumn* column, const TRect& rect)
{
    if (UseThemes())
        DrawThemedHeaderFace(column, rect);
    else
        DrawHeaderFace(column, rect);
}

void TDefaultStyleDisplay::DrawThemedHeaderFace(TGxCustomColumn* column, const TRect& rect)
{
    const int state = column->Focused() ? 3 : column->Hover() ? 2 : 1;
    DrawHeaderPart(HP_HEADERITEM, state, rect);
}

// A raised face; neighbouring headers show a short etched separator.
void TDefaultStyleDisplay::DrawHeaderFace(TGxCustomColumn* column, const TRect& r)
{
    TCanvas& c = *Canvas();
    const TColor face = column->Header()->Color();
    Fill({r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1}, face);
    if (column->IsAlone()) {
        Frame3D(c, r, clBtnHighlight, clBtnShadow);
        return;
    }
    const TColumnLocation location = column->Location();
    Lines(clBtnHighlight, {{r.Left, r.Top}, {r.Right, r.Top}});
    if (location == clLeftSide) {
        Lines(clBtnHighlight, {{r.Left, r.Top + 1}, {r.Left, r.Bottom - 1}});
    } else {
        Lines(clBtnHighlight, {{r.Left, r.Top + 2}, {r.Left, r.Bottom - 2}});
        c.SetPixels(r.Left, r.Top + 1, face);
        c.SetPixels(r.Left, r.Bottom - 2, face);
    }
    Lines(clBtnShadow, {{r.Left, r.Bottom - 1}, {r.Right, r.Bottom - 1}});
    if (location == clRightSide) {
        Lines(clBtnShadow, {{r.Right - 1, r.Top}, {r.Right - 1, r.Bottom - 1}});
    } else {
        Lines(clBtnShadow, {{r.Right - 1, r.Top + 2}, {r.Right - 1, r.Bottom - 2}});
        c.SetPixels(r.Right - 1, r.Top + 1, face);
        c.SetPixels(r.Right - 1, r.Bottom - 2, face);
    }
}

void TDefaultStyleDisplay::DrawCornerBox(const TRect& rect, TBoxLocation location)
{
    if (location == bpAlone) {
        if (UseThemes())
            DrawHeaderPart(HP_HEADERITEM, 1, rect);
        else
            TGraphicsProvider::DrawButton(*Canvas(), rect, false);
    } else if (location == bpBottom) {
        DrawBottomCornerBox(rect);
    }
}

void TDefaultStyleDisplay::DrawBottomCornerBox(const TRect& r)
{
    TCanvas& c = *Canvas();
    Fill({1, r.Top + 1, r.Right - 1, r.Bottom}, clBtnFace);
    Lines(clBtnHighlight, {{0, r.Top}, {0, r.Bottom}});
    c.SetPixels(1, r.Top + 1, clBtnFace);
    c.SetPixels(r.Right - 2, r.Top + 1, clBtnFace);
    Lines(clBtnHighlight, {{2, r.Top + 1}, {r.Right - 2, r.Top + 1}});
    c.SetPixels(1, r.Top, clBtnFace);
    c.SetPixels(r.Right - 2, r.Top, clBtnFace);
    RightAndBottomLines(r, clBtnShadow);
    Lines(clBtnShadow, {{2, r.Top}, {r.Right - 2, r.Top}});
}

void TDefaultStyleDisplay::DrawInactiveHeader(const TRect& rect)
{
    if (UseThemes())
        DrawHeaderPart(HP_HEADERITEMLEFT, 1, rect);
    else
        TStyleDisplay::DrawInactiveHeader(rect);
}
