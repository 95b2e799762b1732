#include "controls/grid/flat_style_display.h"

#include "controls/grid/column.h"
#include "controls/grid/column_parts.h"
#include "controls/grid/grid_control.h"
#include "support/system_colors.h"

void TFlatStyleDisplay::DrawHeaderFace(TGxCustomColumn* column, const TRect& r)
{
    Fill(r, column->Header()->Color());
    const TColor grid = CustomColor(&TGxCustomGridControl::KV_HeaderGrid, clGrayText);
    if (column->Last() && Grid() && Grid()->KV_DontDrawHeaderVertGridOnLastCol())
        Lines(grid, {{r.Left - 1, r.Bottom - 1}, {r.Right, r.Bottom - 1}});
    else
        RightAndBottomLines(r, grid);
}

void TFlatStyleDisplay::DrawCornerBox(const TRect& r, TBoxLocation)
{
    const bool top = r.Top <= 4;
    Fill(r,
         CustomColor(top ? &TGxCustomGridControl::KV_CornerBoxTop : &TGxCustomGridControl::KV_CornerBoxBottom,
                     clBtnFace));
    RightAndBottomLines(r, CustomColor(top ? &TGxCustomGridControl::KV_CornerBoxTopBorder
                                           : &TGxCustomGridControl::KV_CornerBoxBottomBorder,
                                       clGrayText));
}

void TFlatStyleDisplay::DrawAreaSplitter(const TRect& r)
{
    Fill(r, CustomColor(&TGxCustomGridControl::KV_FooterAreaSplitter, clBtnFace));
}

void TFlatStyleDisplay::DrawIndicator(const TRect& r, int, bool selected, bool highlighted)
{
    Fill(r, CustomColor(&TGxCustomGridControl::KV_IndicatorColumnBackground, clBtnFace));
    RightAndBottomLines(r, CustomColor(selected || highlighted
                                           ? &TGxCustomGridControl::KV_IndicatorColumnGridSelected
                                           : &TGxCustomGridControl::KV_IndicatorColumnGrid,
                                       clGrayText));
}
