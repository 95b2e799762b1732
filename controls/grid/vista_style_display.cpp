#include "controls/grid/vista_style_display.h"

#include "controls/grid/column.h"
#include "controls/grid/gradients.h"
#include "platform/gui/graphics/canvas.h"
#include "support/system_colors.h"

namespace {

constexpr TColor kFace = 0xF0F0F0;
constexpr TColor kSortedStrip = 0xF0DCAF; // light blue
constexpr int kStripRows = 6;

} // namespace

TRect TVistaStyleDisplay::DrawSideLines(const TRect& r)
{
    Lines(clWhite, {{r.Left, r.Top}, {r.Left, r.Bottom}});
    Lines(clBtnFace, {{r.Right - 1, r.Top}, {r.Right - 1, r.Bottom}});
    return {r.Left + 1, r.Top, r.Right - 1, r.Bottom};
}

void TVistaStyleDisplay::DrawHeaderFace(TGxCustomColumn* column, const TRect& r)
{
    const TRect inside = DrawSideLines(r);
    if (!column->Sorted()) {
        Fill(inside, kFace);
        return;
    }
    DrawGradient(*Canvas(), {inside.Left, inside.Top, inside.Right, inside.Top + kStripRows}, kSortedStrip,
                 clWhite);
    Fill({inside.Left, inside.Top + kStripRows, inside.Right, inside.Bottom}, clWhite);
    const int x = (r.Right - r.Left) / 2 + r.Left - 3;
    const int y = 0;
    Canvas()->Brush()->SetColor(clWhite);
    Canvas()->Pen()->SetColor(clWhite);
    if (column->SortKind() == skAscending)
        Canvas()->Polygon({{x + 3, y}, {x + 6, y + 3}, {x, y + 3}});
    else
        Canvas()->Polygon({{x, y}, {x + 3, y + 3}, {x + 6, y}});
}

void TVistaStyleDisplay::DrawIndicator(const TRect& r, int, bool, bool)
{
    Fill(DrawSideLines(r), kFace);
}
