#include "controls/grid/outlook_style_display.h"

#include "controls/grid/color_blend.h"
#include "controls/grid/column.h"
#include "controls/grid/column_parts.h"
#include "controls/grid/providers.h"
#include "support/system_colors.h"

void TOutlookStyleDisplay::DrawDarkeningBottom(const TRect& r, TColor face)
{
    const int amounts[] = {50, 100, 150};
    for (int row = 0; row < 3; ++row) {
        const int y = r.Bottom - 3 + row;
        Lines(BlendColor(clBtnShadow, face, amounts[row]), {{r.Left, y}, {r.Right, y}});
    }
}

void TOutlookStyleDisplay::DrawHeaderFace(TGxCustomColumn* column, const TRect& r)
{
    const TColor face = column->Header()->Color();
    Fill({r.Left, r.Top, r.Right, r.Bottom - 3}, face);
    const TColumnLocation location = column->Location();
    if (location == clLeftSide || location == clAlone)
        Lines(clBtnHighlight, {{r.Left, r.Top}, {r.Left, r.Bottom - 3}});
    else
        Lines(clBtnHighlight, {{r.Left, r.Top + 2}, {r.Left, r.Bottom - 4}});
    if (location == clRightSide || location == clAlone)
        Lines(clBtnShadow, {{r.Right - 1, r.Top}, {r.Right - 1, r.Bottom - 1}});
    else
        Lines(clBtnShadow, {{r.Right - 1, r.Top + 2}, {r.Right - 1, r.Bottom - 4}});
    DrawDarkeningBottom(r, face);
}

void TOutlookStyleDisplay::DrawCornerBox(const TRect& r, TBoxLocation)
{
    Fill({r.Left, r.Top, r.Right, r.Bottom - 3}, clBtnFace);
    Lines(clBtnShadow, {{r.Right - 1, r.Top}, {r.Right - 1, r.Bottom - 1}});
    DrawDarkeningBottom(r, clBtnFace);
}

void TOutlookStyleDisplay::DrawAreaSplitter(const TRect& rect)
{
    TGraphicsProvider::DrawButton(*Canvas(), rect, false);
}
