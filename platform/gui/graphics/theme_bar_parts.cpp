#include "platform/gui/graphics/colors.h"
#include "platform/gui/graphics/theme.h"
#include "platform/gui/qt/canvas_impl.h"
#include "platform/gui/qt/glyphs.h"
#include "platform/gui/qt/theme_painting.h"

#include <algorithm>

// The theme painter's bars: menus (the bar, its items and the popup's parts), rebars, status bars,
// tooltips and the explorer bar's category panels, in the painter's flat, light look.

namespace ThemePainting {

namespace {

// Dots of 2 by 2 pixels, 4 apart: a column down the middle of r, or a row across it.
void DrawGripDots(QPainter* p, const TRect& r, bool row)
{
    const QColor dot = ToQColor(ThumbHot);
    if (row) {
        for (int x = r.Left + 2; x + 2 <= r.Right - 1; x += 4)
            p->fillRect(QRect(x, r.Top + r.Height() / 2 - 1, 2, 2), dot);
    } else {
        for (int y = r.Top + 2; y + 2 <= r.Bottom - 1; y += 4)
            p->fillRect(QRect(r.Left + r.Width() / 2 - 1, y, 2, 2), dot);
    }
}

// The sizing grip of a status bar: a triangle of dots in the bottom-right corner.
void DrawSizeGrip(QPainter* p, const TRect& r)
{
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column <= row; ++column)
            p->fillRect(QRect(r.Right - 4 * (column + 1), r.Bottom - 4 * (3 - row), 2, 2),
                        ToQColor(ThumbHot));
}

// A one-pixel line across r (horizontal) or down it, two pixels short of its ends.
void DrawSeparatorLine(QPainter* p, const TRect& r, bool vertical, TColor color)
{
    if (vertical)
        p->fillRect(QRect(r.Right - 1, r.Top + 2, 1, std::max(0, r.Height() - 4)), ToQColor(color));
    else
        p->fillRect(QRect(r.Left, r.Top + r.Height() / 2, r.Width(), 1), ToQColor(color));
}

void DrawPopupCheck(QPainter* p, const TRect& r, int state)
{
    const QColor mark = ToQColor(state == 2 || state == 4 ? DisabledGlyph : Glyph);
    if (state <= 2) {
        DrawCheckGlyph(p, Centred(r, 13, 13), mark);
        return;
    }
    p->setPen(Qt::NoPen);
    p->setBrush(mark);
    p->drawEllipse(ToQRect(Centred(r, 6, 6)));
    p->setBrush(Qt::NoBrush);
}

} // namespace

void DrawMenuPart(QPainter* p, const TRect& r, int part, int state)
{
    switch (part) {
    case MENU_BARBACKGROUND:
        p->fillRect(ToQRect(r), ToQColor(state == 2 ? DisabledFace : White));
        break;
    case MENU_POPUPBACKGROUND:
        p->fillRect(ToQRect(r), ToQColor(White));
        break;
    case MENU_POPUPGUTTER:
        p->fillRect(ToQRect(r), ToQColor(Track));
        p->fillRect(QRect(r.Right - 1, r.Top, 1, r.Height()), ToQColor(HeaderLine));
        break;
    case MENU_POPUPBORDERS:
        p->setPen(QPen(ToQColor(Border), 1));
        p->setBrush(Qt::NoBrush);
        p->drawRect(QRect(r.Left, r.Top, r.Width() - 1, r.Height() - 1));
        break;
    case MENU_POPUPSEPARATOR:
        DrawSeparatorLine(p, r, false, HeaderLine);
        break;
    case MENU_POPUPCHECKBACKGROUND:
        Box(p, r, state == 1 ? DisabledFace : PressedFace, state == 1 ? DisabledBorder : AccentDark);
        break;
    case MENU_POPUPCHECK:
        DrawPopupCheck(p, r, state);
        break;
    case MENU_POPUPSUBMENU:
        DrawArrowGlyph(p, Centred(r, 16, 16), TArrowDirection::Right,
                       ToQColor(state == 2 ? DisabledGlyph : Glyph));
        break;
    case MENU_POPUPITEM:
        if (state == 2 || state == 4)
            Box(p, r, HotFace, state == 2 ? Accent : DisabledBorder);
        break;
    default: // menu items and menu bar items: only the hot and pushed ones have a face
        if (state == 2 || state == 3)
            Box(p, r, state == 2 ? HotFace : PressedFace, state == 2 ? Accent : AccentDark);
        break;
    }
}

bool MenuPartTransparent(int part)
{
    return part != MENU_BARBACKGROUND && part != MENU_POPUPBACKGROUND && part != MENU_POPUPGUTTER &&
           part != MENU_POPUPCHECKBACKGROUND;
}

std::optional<TSize> MenuPartSize(int part)
{
    switch (part) {
    case MENU_POPUPCHECK:   // the box a check mark or bullet is centred in
    case MENU_POPUPSUBMENU: // and the one the submenu arrow is
        return TSize{16, 16};
    case MENU_POPUPSEPARATOR: // the line with three pixels of room above and below it
        return TSize{1, 7};
    default:
        return std::nullopt;
    }
}

void DrawRebarPart(QPainter* p, const TRect& r, int part)
{
    switch (part) {
    case RP_GRIPPER:
    case RP_GRIPPERVERT:
        DrawGripDots(p, r, part == RP_GRIPPERVERT);
        break;
    case RP_BAND: // an etched line under the band; the bar shows through
        p->fillRect(QRect(r.Left, r.Bottom - 2, r.Width(), 1), ToQColor(HeaderLine));
        p->fillRect(QRect(r.Left, r.Bottom - 1, r.Width(), 1), ToQColor(White));
        break;
    default:
        p->fillRect(ToQRect(r), ToQColor(clBtnFace));
        break;
    }
}

void DrawStatusPart(QPainter* p, const TRect& r, int part)
{
    switch (part) {
    case SP_GRIPPER:
        DrawSizeGrip(p, r);
        break;
    case SP_PANE: // a line at its right end parts it from the next pane
        DrawSeparatorLine(p, r, true, DisabledBorder);
        break;
    case SP_GRIPPERPANE:
        break; // the grip's pane has no line: the grip ends the bar
    default:
        p->fillRect(ToQRect(r), ToQColor(clBtnFace));
        p->fillRect(QRect(r.Left, r.Top, r.Width(), 1), ToQColor(HeaderLine));
        break;
    }
}

bool StatusPartTransparent(int part)
{
    return part != 0;
}

void DrawToolTipPart(QPainter* p, const TRect& r, int, int)
{
    Box(p, r, White, ToolTipBorder);
}

void DrawExplorerBarPart(QPainter* p, const TRect& r, int part)
{
    switch (part) {
    case EBP_HEADERBACKGROUND:
        p->fillRect(ToQRect(r), ToQColor(HotFace));
        p->fillRect(QRect(r.Left, r.Bottom - 1, r.Width(), 1), ToQColor(Border));
        break;
    case EBP_NORMALGROUPBACKGROUND:
        Box(p, r, White, HeaderLine);
        break;
    default:
        p->fillRect(ToQRect(r), ToQColor(clBtnFace));
        break;
    }
}

} // namespace ThemePainting
