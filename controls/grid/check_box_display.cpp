#include "controls/grid/check_box_display.h"

#include "controls/grid/column.h"
#include "controls/grid/geometry.h"
#include "controls/grid/ux_themes.h"
#include "platform/gui/graphics/canvas.h"
#include "platform/gui/graphics/theme.h"
#include "support/system_colors.h"

namespace {

int ThemedCheckBoxState(bool checked, bool hot, bool pressed)
{
    if (!hot)
        return checked ? 5 : 1;
    if (checked)
        return pressed ? 7 : 6;
    return pressed ? 3 : 2;
}

} // namespace

int CheckBoxSize()
{
    return UxThemesActive() ? 13 : 11;
}

TRect CheckBoxRect(const TGxCustomColumn& column, const TRect& r)
{
    const int size = CheckBoxSize();
    const TPoint place = PosInRect(size, size, 2, r, column.Alignment(), column.VerticalAlignment());
    return Bounds(place.X, place.Y, size, size);
}

void TCheckBoxColumnDisplay::Paint()
{
    DrawCheckBox(ClientRect(), AsBoolean(), false, false);
}

void TCheckBoxColumnDisplay::DrawCheckBox(const TRect& r, bool checked, bool hot, bool pressed)
{
    const TRect box = CheckBoxRect(*Column(), r);
    if (UxThemesActive() && DrawThemedBackground(*Canvas(), box, "Button", BP_CHECKBOX,
                                                 ThemedCheckBoxState(checked, hot, pressed)))
        return;
    DrawClassicCheckBox(box, checked, pressed);
}

void TCheckBoxColumnDisplay::DrawClassicCheckBox(const TRect& box, bool checked, bool pressed)
{
    TCanvas& canvas = *Canvas();
    canvas.Brush()->SetColor(pressed ? clBtnFace : clWindow);
    canvas.Pen()->SetColor(clBtnShadow);
    canvas.Rectangle(box);
    if (!checked)
        return;
    canvas.Pen()->SetColor(clWindowText);
    const int x = box.Left;
    const int y = box.Top;
    for (int row = 0; row < 3; ++row) {
        canvas.MoveTo(x + 2, y + 4 + row);
        canvas.LineTo(x + 4, y + 6 + row);
        canvas.LineTo(x + 9, y + 1 + row);
    }
}
