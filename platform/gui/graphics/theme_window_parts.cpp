#include "platform/gui/graphics/theme.h"
#include "platform/gui/qt/canvas_impl.h"
#include "platform/gui/qt/glyphs.h"
#include "platform/gui/qt/theme_painting.h"

// The theme painter's window parts: captions, the close button and the frames, in the painter's flat,
// light look: the active window's caption in the accent colour, its frame white with a one-pixel outline
// in the caption's colour.

namespace ThemePainting {

namespace {

bool IsFrame(int part)
{
    return part >= WP_FRAMELEFT && part <= WP_SMALLFRAMEBOTTOM;
}

void DrawCloseButton(QPainter* p, const TRect& r, int state)
{
    const Look look = LookOf(state);
    const bool lit = look == Look::Hot || look == Look::Pressed;
    if (lit)
        p->fillRect(ToQRect(r), ToQColor(CloseHot));
    DrawCrossGlyph(p, r, ToQColor(lit ? White : look == Look::Disabled ? DisabledGlyph : Glyph));
}

// A frame's outline runs along its outer edge: the left edge of a left frame, and so on; the top frame is
// the bottom one turned over by its painter.
void DrawFrame(QPainter* p, const TRect& r, int part, int state)
{
    p->fillRect(ToQRect(r), ToQColor(White));
    const QColor outline = ToQColor(state == FS_ACTIVE ? Accent : Thumb);
    switch (part) {
    case WP_FRAMELEFT:
    case WP_SMALLFRAMELEFT:
        p->fillRect(QRect(r.Left, r.Top, 1, r.Height()), outline);
        break;
    case WP_FRAMERIGHT:
    case WP_SMALLFRAMERIGHT:
        p->fillRect(QRect(r.Right - 1, r.Top, 1, r.Height()), outline);
        break;
    default:
        p->fillRect(QRect(r.Left, r.Bottom - 1, r.Width(), 1), outline);
        break;
    }
}

} // namespace

void DrawWindowPart(QPainter* p, const TRect& r, int part, int state)
{
    if (part == WP_CLOSEBUTTON)
        DrawCloseButton(p, r, state);
    else if (IsFrame(part))
        DrawFrame(p, r, part, state);
    else // captions: the active one in the accent
        p->fillRect(ToQRect(r), ToQColor(state == 1 ? Accent : Thumb));
}

bool WindowPartTransparent(int part)
{
    return part == WP_CLOSEBUTTON;
}

// Frames are as thick as the window system's sizing borders (SM_CXFRAME), small ones a pixel thinner;
// captions as high as the system's (SM_CYCAPTION, SM_CYSMCAPTION).
std::optional<TSize> WindowPartSize(int part)
{
    switch (part) {
    case WP_CAPTION:
        return TSize{23, 23};
    case WP_SMALLCAPTION:
        return TSize{17, 17};
    case WP_FRAMELEFT:
    case WP_FRAMERIGHT:
    case WP_FRAMEBOTTOM:
        return TSize{4, 4};
    case WP_SMALLFRAMELEFT:
    case WP_SMALLFRAMERIGHT:
    case WP_SMALLFRAMEBOTTOM:
        return TSize{3, 3};
    default:
        return std::nullopt;
    }
}

} // namespace ThemePainting
