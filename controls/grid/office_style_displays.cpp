#include "controls/grid/office_style_displays.h"

#include "controls/grid/color_schemes.h"
#include "controls/grid/column.h"
#include "controls/grid/gradients.h"
#include "platform/gui/graphics/canvas.h"

namespace {

TColor SchemeColor(int element)
{
    return GetSchemeColor(element, csDefault);
}

constexpr TColor kArrowFill = 0xB5ACA5;

} // namespace

TColor TOffice2007StyleDisplay::GradientTop() const
{
    return clWhite;
}

TColor TOffice2007StyleDisplay::GradientBottom() const
{
    return SchemeColor(11);
}

void TOffice2007StyleDisplay::DrawHeaderFace(TGxCustomColumn* column, const TRect& r)
{
    if (column->Focused())
        DrawGradient(*Canvas(), r, GradientBottom(), GradientTop());
    else
        DrawGradient(*Canvas(), r, GradientTop(), GradientBottom());
    const TColumnLocation location = column->Location();
    if (location == clLeftSide || location == clMiddle)
        Lines(SchemeColor(10), {{r.Right - 1, r.Top + 2}, {r.Right - 1, r.Bottom - 3}});
    else
        Lines(SchemeColor(2), {{r.Right - 1, r.Top}, {r.Right - 1, r.Bottom - 1}});
    Lines(SchemeColor(2), {{r.Left, r.Bottom - 1}, {r.Right, r.Bottom - 1}});
}

void TOffice2007StyleDisplay::DrawCornerBox(const TRect& r, TBoxLocation)
{
    DrawGradient(*Canvas(), r, GradientTop(), GradientBottom());
    RightAndBottomLines(r, SchemeColor(2));
}

void TOffice2007StyleDisplay::DrawAreaSplitter(const TRect& r)
{
    Fill(r, SchemeColor(11));
}

TColor TOffice2010StyleDisplay::GradientTop() const
{
    return SchemeColor(6);
}

TColor TOffice2010StyleDisplay::GradientBottom() const
{
    return SchemeColor(7);
}

void TOffice2010StyleDisplay::DrawSortArrow(int x, int y, bool ascending)
{
    Canvas()->Brush()->SetStyle(bsSolid);
    Canvas()->Brush()->SetColor(kArrowFill);
    Canvas()->Pen()->SetColor(clBlack);
    if (ascending)
        Canvas()->Polygon({{x, y + 4}, {x + 4, y}, {x + 8, y + 4}});
    else
        Canvas()->Polygon({{x, y}, {x + 4, y + 4}, {x + 8, y}});
}
