// Check marks and radio dots of menu entries, check boxes and radio buttons.

#include "controls/skins/skin_drawing.h"
#include "controls/skins/skin_manager.h"
#include "platform/gui/graphics/region.h"

#include <vector>

namespace {

// Under the platform theme of the newer platforms, menu entries take the theme's marks.
bool ThemedMenuMark(bool menuItemStyle, TQvSkinType skinType)
{
    return menuItemStyle && skinType == sknWindows && IsVistaOrLater();
}

// A one-pixel solid pen and a solid brush, both of the colour.
void UseSolidTools(TCanvas& canvas, TColor color)
{
    canvas.Pen()->SetStyle(psSolid);
    canvas.Pen()->SetMode(pmCopy);
    canvas.Pen()->SetWidth(1);
    canvas.Pen()->SetColor(color);
    canvas.Brush()->SetStyle(bsSolid);
    canvas.Brush()->SetColor(color);
}

void FilledPolygon(TCanvas& canvas, const std::vector<TPoint>& points, TColor color)
{
    if (color == clNone) {
        return;
    }
    TSavedCanvasState saved(canvas);
    UseSolidTools(canvas, color);
    canvas.Polygon(points);
}

void FilledRoundRect(TCanvas& canvas, const TRect& r, TColor color)
{
    if (color == clNone) {
        return;
    }
    TSavedCanvasState saved(canvas);
    UseSolidTools(canvas, color);
    canvas.RoundRect(r.Left, r.Top, r.Right, r.Bottom, 2, 2);
}

// The outline of a 13 x 13 radio button whose top-left corner is (c, d).
std::vector<TPoint> RadioRing(int c, int d)
{
    return {{c, d + 8},       {c, d + 4},       {c + 1, d + 3},  {c + 1, d + 2},  {c + 2, d + 1},
            {c + 3, d + 1},   {c + 4, d},       {c + 8, d},      {c + 9, d + 1},  {c + 10, d + 1},
            {c + 11, d + 2},  {c + 11, d + 3},  {c + 12, d + 4}, {c + 12, d + 8}, {c + 11, d + 9},
            {c + 11, d + 10}, {c + 10, d + 11}, {c + 9, d + 11}, {c + 8, d + 12}, {c + 4, d + 12},
            {c + 3, d + 11},  {c + 2, d + 11},  {c + 1, d + 10}, {c + 1, d + 8}};
}

// Narrows the clipping to the inside of the outline, given in the canvas's coordinates.
void ClipToOutline(TCanvas& canvas, const std::vector<TPoint>& outline)
{
    TRegion region = CreatePolygonRgn(outline, ALTERNATE);
    TPoint origin;
    GetWindowOrgEx(canvas, origin);
    region.Offset(-origin.X, -origin.Y);
    ExtSelectClipRgn(canvas, &region, RGN_AND);
}

} // namespace

void TQvSkinOptions::PaintMenuCheckMark(TCanvas& canvas, const TRect& rect, bool checked, bool grayed,
                                        bool menuItemStyle, TQvSkinStatesType state)
{
    const TQvSkinType skinType = GetSkinManager().GetSkinType();
    if (ThemedMenuMark(menuItemStyle, skinType)) {
        const TThemedElementDetails details =
            GetElementDetails(state == sknsDisabled ? tmPopupCheckDisabled : tmPopupCheckNormal);
        const TSize size = GetThemedElementSize(canvas, details);
        PaintThemedElementBackground(canvas, CenterSizeInRect(rect, size.cx, size.cy), details);
        return;
    }
    const int x = rect.Width() / 2 + rect.Left - 1;
    const int y = rect.Height() / 2 + rect.Top + 1;
    if (menuItemStyle) {
        const TColor color = skinType == sknWindows ? GetTextColor(skncCheckBox, state)
                             : skinType == sknSkin  ? GetTextColor(skncMenuItem, state)
                                                    : clMenuText;
        FilledPolygon(canvas,
                      {{x - 3, y - 2},
                       {x - 1, y},
                       {x + 3, y - 4},
                       {x + 3, y - 3},
                       {x - 1, y + 1},
                       {x - 3, y - 1},
                       {x - 3, y - 2}},
                      color);
        return;
    }
    const TColor color = GetTextColor(skncCheckBox, state);
    PaintBackground(canvas, rect, skncCheckBox, state, true, true);
    if (checked) {
        FilledPolygon(
            canvas,
            {{x - 2, y}, {x, y + 2}, {x + 4, y - 2}, {x + 4, y - 4}, {x, y}, {x - 2, y - 2}, {x - 2, y}},
            color);
    } else if (grayed) {
        TRect square = rect;
        InflateRect(square, -3, -3);
        FillRectColors(canvas, square, color, clNone);
    }
}

void TQvSkinOptions::PaintMenuRadioMark(TCanvas& canvas, const TRect& rect, bool checked, bool menuItemStyle,
                                        TQvSkinStatesType state)
{
    const TQvSkinType skinType = GetSkinManager().GetSkinType();
    if (ThemedMenuMark(menuItemStyle, skinType)) {
        const TThemedElementDetails details =
            GetElementDetails(state == sknsDisabled ? tmPopupBulletDisabled : tmPopupBulletNormal);
        const TSize size = GetThemedElementSize(canvas, details);
        PaintThemedElementBackground(canvas, CenterSizeInRect(rect, size.cx, size.cy), details);
        return;
    }
    if (menuItemStyle) {
        const TColor color = skinType == sknWindows ? GetTextColor(skncRadioButton, state)
                             : skinType == sknSkin  ? GetTextColor(skncMenuItem, state)
                                                    : clMenuText;
        const int x = rect.Width() / 2 + rect.Left;
        const int y = rect.Height() / 2 + rect.Top;
        FilledRoundRect(canvas, {x - 3, y - 3, x + 3, y + 3}, color);
        return;
    }
    const int c = (rect.Width() - 13) / 2 + rect.Left;
    const int d = (rect.Height() - 13) / 2 + rect.Top;
    std::vector<TPoint> ring = RadioRing(c, d);
    {
        TSavedCanvasState clipped(canvas);
        ClipToOutline(canvas, ring);
        PaintBackground(canvas, rect, skncRadioButton, state, true, false);
    }
    const TColor ringColor = Options(skncRadioButton, state).Borders.Color1;
    if (ringColor != clNone) {
        ring.push_back(ring.front());
        TSavedCanvasState saved(canvas);
        canvas.Pen()->SetStyle(psSolid);
        canvas.Pen()->SetMode(pmCopy);
        canvas.Pen()->SetWidth(1);
        canvas.Pen()->SetColor(ringColor);
        canvas.Polyline(ring);
    }
    if (checked) {
        const int x = (c + c + 13) / 2;
        const int y = (d + d + 13) / 2 + 1;
        FilledRoundRect(canvas, {x - 2, y - 3, x + 3, y + 2}, GetTextColor(skncRadioButton, state));
    }
}
