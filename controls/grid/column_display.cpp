#include "controls/grid/column_display.h"

#include "controls/grid/column.h"
#include "platform/gui/graphics/canvas.h"
#include "platform/gui/graphics/gdi.h"
#include "support/system_colors.h"

#include <cmath>

namespace {

unsigned AlignmentFlags(const TGxCustomColumn& column)
{
    unsigned flags = 0;
    if (column.Alignment() == taRightJustify)
        flags |= DT_RIGHT;
    else if (column.Alignment() == taCenter)
        flags |= DT_CENTER;
    if (column.VerticalAlignment() == taAlignBottom)
        flags |= DT_BOTTOM;
    else if (column.VerticalAlignment() == taVerticalCenter)
        flags |= DT_VCENTER;
    return flags;
}

unsigned WrapFlags(TWrapKind wrapKind, bool ellipses)
{
    switch (wrapKind) {
    case wkEllipsis:
        return ellipses ? DT_END_ELLIPSIS : 0;
    case wkPathEllipsis:
        return ellipses ? DT_PATH_ELLIPSIS : 0;
    case wkWordWrap:
        return DT_WORDBREAK | DT_EDITCONTROL;
    case wkNone:
        break;
    }
    return 0;
}

} // namespace

unsigned TColumnDisplay::GetTextFlags(const std::string& text, TRect& r, bool ellipses) const
{
    const TGxCustomColumn& column = *Column();
    unsigned flags = DT_NOPREFIX;
    if (column.BiDiMode() != bdLeftToRight)
        flags |= DT_RTLREADING;
    flags |= AlignmentFlags(column) | WrapFlags(column.WrapKind(), ellipses);
    if (column.WrapKind() != wkWordWrap && !column.GetDisplayOptions().Contains(doMultiLine))
        return flags | DT_SINGLELINE;
    if (column.VerticalAlignment() == taAlignTop)
        return flags;
    TRect measured = r;
    const int textHeight = DrawText(*Canvas(), text, measured, flags | DT_CALCRECT);
    if (column.VerticalAlignment() == taAlignBottom)
        r.Top = r.Bottom - textHeight;
    else
        r.Top += static_cast<int>(std::nearbyint((r.Bottom - (r.Top + textHeight)) / 2.0));
    return flags;
}

TRect TColumnDisplay::GetTextRect() const
{
    const TRect& r = ClientRect();
    return {r.Left + 2, r.Top, r.Right - 2, r.Bottom};
}

void TColumnDisplay::DrawCellText(const std::string& text, TRect r)
{
    TCanvas& canvas = *Canvas();
    canvas.Brush()->SetStyle(bsClear);
    const unsigned flags = GetTextFlags(text, r, true);
    DrawText(canvas, text, r, flags);
    canvas.Brush()->SetStyle(bsSolid);
}

void TColumnDisplay::DrawHintMark()
{
    TCanvas& canvas = *Canvas();
    const TRect& r = ClientRect();
    canvas.Pen()->SetColor(clRed);
    canvas.Brush()->SetColor(clRed);
    canvas.Polygon({{r.Right - 5, r.Top}, {r.Right - 1, r.Top}, {r.Right - 1, r.Top + 4}});
}

TSize TColumnDisplay::GetTextSize()
{
    TRect r = GetTextRect();
    const unsigned flags = GetTextFlags(AsString(), r, false) | DT_CALCRECT | DT_NOCLIP;
    DrawText(*Canvas(), AsString(), r, flags);
    return {r.Width(), r.Height()};
}

void TColumnDisplay::PaintBackground(TColor cellColor, bool clientCell)
{
    TCanvas& canvas = *Canvas();
    canvas.Brush()->SetColor(cellColor);
    if (clientCell)
        canvas.FillRect(ClientRect());
    else
        canvas.FrameRect(ClientRect());
}
