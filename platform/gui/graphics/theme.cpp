#include "platform/gui/graphics/theme.h"

#include "platform/gui/graphics/bitmap.h"
#include "platform/gui/graphics/colors.h"
#include "platform/gui/qt/bitmap_impl.h"
#include "platform/gui/qt/canvas_impl.h"
#include "platform/gui/qt/glyphs.h"
#include "platform/gui/qt/theme_painting.h"
#include "support/utf8.h"

#include <QStringList>

#include <algorithm>
#include <atomic>
#include <vector>

namespace ThemePainting {

Look LookOf(int state)
{
    switch ((state - 1) % 4) {
    case 1:
        return Look::Hot;
    case 2:
        return Look::Pressed;
    case 3:
        return Look::Disabled;
    default:
        return Look::Normal;
    }
}

void Box(QPainter* p, const TRect& r, TColor face, TColor border)
{
    if (r.Width() <= 0 || r.Height() <= 0)
        return;
    p->fillRect(ToQRect(r), ToQColor(face));
    p->setPen(QPen(ToQColor(border), 1));
    p->setBrush(Qt::NoBrush);
    p->drawRect(QRect(r.Left, r.Top, r.Width() - 1, r.Height() - 1));
}

TRect Centred(const TRect& r, int width, int height)
{
    return Bounds(r.Left + (r.Width() - width) / 2, r.Top + (r.Height() - height) / 2, width, height);
}

} // namespace ThemePainting

namespace {

using namespace ThemePainting;

std::atomic<bool> themesEnabled{true};

enum class ThemeClass
{
    Button,
    ComboBox,
    Edit,
    Header,
    ListView,
    ScrollBar,
    Spin,
    Tab,
    Toolbar,
    Progress,
    Trackbar,
    TreeView,
    Window,
    ExplorerBar,
    Menu,
    Rebar,
    Status,
    ToolTip
};

const struct
{
    const char* name;
    ThemeClass kind;
} ClassNames[] = {
    {"button", ThemeClass::Button},     {"combobox", ThemeClass::ComboBox},
    {"edit", ThemeClass::Edit},         {"header", ThemeClass::Header},
    {"listview", ThemeClass::ListView}, {"scrollbar", ThemeClass::ScrollBar},
    {"spin", ThemeClass::Spin},         {"tab", ThemeClass::Tab},
    {"toolbar", ThemeClass::Toolbar},   {"progress", ThemeClass::Progress},
    {"trackbar", ThemeClass::Trackbar}, {"treeview", ThemeClass::TreeView},
    {"window", ThemeClass::Window},     {"explorerbar", ThemeClass::ExplorerBar},
    {"menu", ThemeClass::Menu},         {"rebar", ThemeClass::Rebar},
    {"status", ThemeClass::Status},     {"tooltip", ThemeClass::ToolTip},
};

struct Colors
{
    TColor face, border;
};

Colors ButtonColors(Look look)
{
    switch (look) {
    case Look::Hot:
        return {HotFace, Accent};
    case Look::Pressed:
    case Look::Checked:
        return {PressedFace, AccentDark};
    case Look::Disabled:
        return {DisabledFace, DisabledBorder};
    case Look::Default:
        return {ColorToRGB(clBtnFace), Accent};
    default:
        return {ColorToRGB(clBtnFace), Border};
    }
}

TColor GlyphColor(Look look)
{
    return look == Look::Disabled ? DisabledGlyph : Glyph;
}

void DrawCheckBox(QPainter* p, const TRect& r, int state)
{
    const TRect box = Bounds(r.Left, r.Top + (r.Height() - 13) / 2, 13, 13);
    const Look look = LookOf(state);
    Box(p, box, look == Look::Disabled ? DisabledFace : (look == Look::Normal ? White : HotFace),
        look == Look::Disabled ? DisabledBorder : (look == Look::Normal ? Border : Accent));
    const TColor mark = look == Look::Disabled ? DisabledGlyph : Accent;
    if (state >= CBS_MIXEDNORMAL)
        p->fillRect(ToQRect(Centred(box, 7, 7)), ToQColor(mark));
    else if (state >= CBS_CHECKEDNORMAL)
        DrawCheckGlyph(p, box, ToQColor(mark));
}

void DrawRadio(QPainter* p, const TRect& r, int state)
{
    const TRect box = Bounds(r.Left, r.Top + (r.Height() - 13) / 2, 13, 13);
    const Look look = LookOf(state);
    p->setPen(QPen(
        ToQColor(look == Look::Disabled ? DisabledBorder : (look == Look::Normal ? Border : Accent)), 1));
    p->setBrush(ToQColor(look == Look::Disabled ? DisabledFace : White));
    p->drawEllipse(QRect(box.Left, box.Top, 12, 12));
    p->setBrush(Qt::NoBrush);
    if (state >= 5) {
        p->setPen(Qt::NoPen);
        p->setBrush(ToQColor(look == Look::Disabled ? DisabledGlyph : Accent));
        p->drawEllipse(QRect(box.Left + 3, box.Top + 3, 6, 6));
        p->setBrush(Qt::NoBrush);
    }
}

void DrawArrowButton(QPainter* p, const TRect& r, Look look, TArrowDirection direction)
{
    const Colors colors = ButtonColors(look);
    Box(p, r, colors.face, colors.border);
    DrawArrowGlyph(p, r, direction, ToQColor(GlyphColor(look)));
}

void DrawScrollBarPart(QPainter* p, const TRect& r, int part, int state)
{
    switch (part) {
    case SBP_ARROWBTN: {
        static const TArrowDirection directions[] = {TArrowDirection::Up, TArrowDirection::Down,
                                                     TArrowDirection::Left, TArrowDirection::Right};
        const Look look = LookOf(state);
        const TColor face = look == Look::Pressed ? ThumbPressed : (look == Look::Hot ? Thumb : Track);
        p->fillRect(ToQRect(r), ToQColor(face));
        const TColor glyph =
            look == Look::Pressed ? White : (look == Look::Disabled ? DisabledBorder : ThumbPressed);
        DrawArrowGlyph(p, r, directions[std::clamp((state - 1) / 4, 0, 3)], ToQColor(glyph));
        break;
    }
    case SBP_THUMBBTNHORZ:
    case SBP_THUMBBTNVERT: {
        const Look look = LookOf(state);
        const TColor face = look == Look::Pressed ? ThumbPressed : (look == Look::Hot ? ThumbHot : Thumb);
        const bool horizontal = part == SBP_THUMBBTNHORZ;
        p->fillRect(ToQRect(horizontal ? TRect{r.Left, r.Top + 2, r.Right, r.Bottom - 2}
                                       : TRect{r.Left + 2, r.Top, r.Right - 2, r.Bottom}),
                    ToQColor(face));
        break;
    }
    case SBP_SIZEBOX:
        p->fillRect(ToQRect(r), ToQColor(clBtnFace));
        break;
    case SBP_GRIPPERHORZ:
    case SBP_GRIPPERVERT:
        break; // the flat thumb has no grip
    default:
        p->fillRect(ToQRect(r), ToQColor(Track));
        break;
    }
}

void DrawHeaderItem(QPainter* p, const TRect& r, int state)
{
    const Look look = LookOf(state);
    const TColor face = look == Look::Pressed ? PressedFace : (look == Look::Hot ? HotFace : White);
    p->fillRect(ToQRect(r), ToQColor(face));
    p->fillRect(QRect(r.Right - 1, r.Top, 1, r.Height()), ToQColor(HeaderLine));
    p->fillRect(QRect(r.Left, r.Bottom - 1, r.Width(), 1), ToQColor(HeaderLine));
}

void DrawToolbarButton(QPainter* p, const TRect& r, int state)
{
    // States: 1 normal, 2 hot, 3 pressed, 4 disabled, 5 checked, 6 hot and checked.
    if (state == 1 || state == 4)
        return;
    const Look look = state == 2 ? Look::Hot : Look::Pressed;
    const Colors colors = ButtonColors(look);
    Box(p, r, colors.face, colors.border);
}

void DrawTreeGlyph(QPainter* p, const TRect& r, int state)
{
    const TRect box = Centred(r, 9, 9);
    Box(p, box, White, 0x919191);
    const QColor c = ToQColor(Glyph);
    p->fillRect(QRect(box.Left + 2, box.Top + 4, 5, 1), c);
    if (state == GLPS_CLOSED)
        p->fillRect(QRect(box.Left + 4, box.Top + 2, 1, 5), c);
}

bool DrawPart(ThemeClass kind, QPainter* p, int part, int state, const TRect& r)
{
    switch (kind) {
    case ThemeClass::Button:
        if (part == BP_CHECKBOX)
            DrawCheckBox(p, r, state);
        else if (part == BP_RADIOBUTTON)
            DrawRadio(p, r, state);
        else if (part == BP_GROUPBOX)
            Box(p, r, ColorToRGB(clBtnFace), 0xDCDCDC);
        else {
            const Colors colors = ButtonColors(state == PBS_DEFAULTED ? Look::Default : LookOf(state));
            Box(p, r, colors.face, colors.border);
        }
        return true;
    case ThemeClass::Spin:
        DrawArrowButton(p, r, LookOf(state), part == SPNP_UP ? TArrowDirection::Up : TArrowDirection::Down);
        return true;
    case ThemeClass::ComboBox:
        if (part != CP_BORDER) {
            DrawArrowButton(p, r, LookOf(state), TArrowDirection::Down);
            return true;
        }
        [[fallthrough]]; // the border is an edit box's
    case ThemeClass::Edit:
    case ThemeClass::ListView: {
        const Look look = LookOf(state);
        Box(p, r, look == Look::Disabled ? DisabledFace : White,
            look == Look::Disabled ? DisabledBorder : (look == Look::Normal ? 0x7A7A7A : Accent));
        return true;
    }
    case ThemeClass::Header:
        DrawHeaderItem(p, r, state);
        return true;
    case ThemeClass::ScrollBar:
        DrawScrollBarPart(p, r, part, state);
        return true;
    case ThemeClass::Tab:
        Box(p, r, (part == TABP_PANE || state == 3) ? White : ColorToRGB(clBtnFace),
            state == 2 ? Accent : 0xD9D9D9);
        return true;
    case ThemeClass::Toolbar:
        if (part == TP_SEPARATOR)
            p->fillRect(QRect(r.Left + r.Width() / 2, r.Top + 2, 1, std::max(0, r.Height() - 4)),
                        ToQColor(DisabledBorder));
        else if (part == TP_SEPARATORVERT)
            p->fillRect(QRect(r.Left + 2, r.Top + r.Height() / 2, std::max(0, r.Width() - 4), 1),
                        ToQColor(DisabledBorder));
        else
            DrawToolbarButton(p, r, state);
        return true;
    case ThemeClass::Progress:
        if (part == PP_BAR)
            Box(p, r, 0xE6E6E6, 0xBCBCBC);
        else
            p->fillRect(ToQRect(r), ToQColor(ProgressFill));
        return true;
    case ThemeClass::Trackbar:
        if (part == TKP_TRACK)
            Box(p, Centred(r, r.Width(), 4), 0xEAEAE7, 0xD6D6D6);
        else // thumbs: normal and focused in the accent, hot and pressed darker
            p->fillRect(ToQRect(r), ToQColor(state == 5                 ? DisabledBorder
                                             : state == 2 || state == 3 ? 0x171717
                                                                        : Accent));
        return true;
    case ThemeClass::TreeView:
        DrawTreeGlyph(p, r, state);
        return true;
    case ThemeClass::Window:
        DrawWindowPart(p, r, part, state);
        return true;
    case ThemeClass::ExplorerBar:
        DrawExplorerBarPart(p, r, part);
        return true;
    case ThemeClass::Menu:
        DrawMenuPart(p, r, part, state);
        return true;
    case ThemeClass::Rebar:
        DrawRebarPart(p, r, part);
        return true;
    case ThemeClass::Status:
        DrawStatusPart(p, r, part);
        return true;
    case ThemeClass::ToolTip:
        DrawToolTipPart(p, r, part, state);
        return true;
    }
    return false;
}

} // namespace

class TThemeData
{
public:
    explicit TThemeData(ThemeClass kind) : kind(kind) {}
    ThemeClass kind;
};

void SetThemesEnabled(bool enabled)
{
    themesEnabled = enabled;
}

bool ThemesEnabled()
{
    return themesEnabled;
}

bool IsThemeActive()
{
    return themesEnabled;
}

bool IsAppThemed()
{
    return themesEnabled;
}

HTHEME OpenThemeData(const std::string& classList)
{
    if (!themesEnabled)
        return nullptr;
    for (const QString& name : QString::fromStdString(classList).split(u';', Qt::SkipEmptyParts)) {
        const std::string wanted = AsciiLowerCase(name.trimmed().toStdString());
        for (const auto& known : ClassNames)
            if (wanted == known.name)
                return new TThemeData(known.kind);
    }
    return nullptr;
}

void CloseThemeData(HTHEME theme)
{
    delete theme;
}

bool DrawThemeBackground(HTHEME theme, TCanvas& canvas, int part, int state, const TRect& rect,
                         const TRect* clip)
{
    QPainter* p = canvas.Internal().BrushPainter();
    if (!theme || !p || rect.Width() <= 0 || rect.Height() <= 0)
        return false;
    p->save();
    if (clip)
        p->setClipRect(ToQRect(*clip), Qt::IntersectClip);
    const bool drawn = DrawPart(theme->kind, p, part, state, rect);
    p->restore();
    return drawn;
}

bool IsThemeBackgroundPartiallyTransparent(HTHEME theme, int part, int state)
{
    if (!theme)
        return false;
    switch (theme->kind) {
    case ThemeClass::Button:
        return part == BP_CHECKBOX || part == BP_RADIOBUTTON;
    case ThemeClass::Toolbar:
        return part >= TP_SEPARATOR || state == 1 || state == 4;
    case ThemeClass::Trackbar:
        return part == TKP_TRACK;
    case ThemeClass::TreeView:
        return true;
    case ThemeClass::ScrollBar:
        return part == SBP_THUMBBTNHORZ || part == SBP_THUMBBTNVERT || part == SBP_GRIPPERHORZ ||
               part == SBP_GRIPPERVERT;
    case ThemeClass::Rebar:
        return part != 0;
    case ThemeClass::Window:
        return WindowPartTransparent(part);
    case ThemeClass::Menu:
        return MenuPartTransparent(part);
    case ThemeClass::Status:
        return StatusPartTransparent(part);
    default:
        return false;
    }
}

TColor GetThemeTextColor(HTHEME theme, int part, int state)
{
    const bool disabled = theme && theme->kind == ThemeClass::Menu && part == MENU_POPUPITEM
                              ? state >= 3
                              : LookOf(state) == Look::Disabled;
    return ColorToRGB(disabled ? clGrayText : clBtnText);
}

namespace {

void DrawTextInColor(TCanvas& canvas, const std::string& text, unsigned flags, const TRect& rect,
                     TColor color)
{
    const TColor oldColor = SetTextColor(canvas, color);
    const int oldMode = SetBkMode(canvas, TRANSPARENT);
    TRect r = rect;
    DrawText(canvas, text, r, flags & ~DT_CALCRECT);
    SetBkMode(canvas, oldMode);
    SetTextColor(canvas, oldColor);
}

// The light of a glow: the alpha of image spread by a box blur of the radius across and then down, scaled so
// that its strongest point is clearly visible, in white.
void GlowFromShape(QImage& image, int radius)
{
    const int width = image.width(), height = image.height();
    std::vector<int> alpha(static_cast<size_t>(width) * height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            alpha[y * width + x] = qAlpha(image.pixel(x, y));
    // One line of count values, step apart, replaced by the mean over the radius around each.
    auto blurLine = [radius, &alpha](int first, int count, int step) {
        std::vector<int> sums(count + 1, 0);
        for (int i = 0; i < count; ++i)
            sums[i + 1] = sums[i] + alpha[first + i * step];
        for (int i = 0; i < count; ++i)
            alpha[first + i * step] =
                (sums[std::min(count, i + radius + 1)] - sums[std::max(0, i - radius)]) / (2 * radius + 1);
    };
    for (int y = 0; y < height; ++y)
        blurLine(y * width, width, 1);
    for (int x = 0; x < width; ++x)
        blurLine(x, height, width);
    const int strongest = std::max(1, *std::max_element(alpha.begin(), alpha.end()));
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgba(255, 255, 255, alpha[y * width + x] * 200 / strongest));
}

// A light halo around the text, the shape of the text blurred over radius pixels, as glass captions have.
void DrawGlow(TCanvas& canvas, const std::string& text, unsigned flags, const TRect& rect, int radius)
{
    QPainter* p = canvas.Internal().BrushPainter();
    if (!p || rect.Width() <= 0 || rect.Height() <= 0)
        return;
    TBitmap shape(rect.Width() + 2 * radius, rect.Height() + 2 * radius, pf32bit);
    shape.Canvas()->SetFont(canvas.Font());
    DrawTextInColor(*shape.Canvas(), text, flags,
                    Rect(radius, radius, radius + rect.Width(), radius + rect.Height()), clWhite);
    QImage halo = shape.Internal().image.convertToFormat(QImage::Format_ARGB32);
    GlowFromShape(halo, radius);
    p->drawImage(rect.Left - radius, rect.Top - radius, halo);
}

} // namespace

bool DrawThemeText(HTHEME theme, TCanvas& canvas, int part, int state, const std::string& text,
                   unsigned flags, const TRect& rect)
{
    if (!theme)
        return false;
    DrawTextInColor(canvas, text, flags, rect, GetThemeTextColor(theme, part, state));
    return true;
}

bool DrawThemeTextEx(HTHEME theme, TCanvas& canvas, int part, int state, const std::string& text,
                     unsigned flags, TRect& rect, const DTTOPTS* options)
{
    if (!theme)
        return false;
    const DTTOPTS none;
    const DTTOPTS& o = options ? *options : none;
    if (o.dwFlags & DTT_CALCRECT) {
        DrawText(canvas, text, rect, flags | DT_CALCRECT);
        return true;
    }
    if ((o.dwFlags & DTT_GLOWSIZE) && o.iGlowSize > 0)
        DrawGlow(canvas, text, flags, rect, o.iGlowSize);
    const TColor color = (o.dwFlags & DTT_TEXTCOLOR) ? o.crText : GetThemeTextColor(theme, part, state);
    DrawTextInColor(canvas, text, flags, rect, color);
    return true;
}

bool DrawThemeEdge(HTHEME theme, TCanvas& canvas, int, int, const TRect& rect, unsigned edge, unsigned flags,
                   TRect* contentRect)
{
    if (!theme)
        return false;
    TRect r = rect;
    DrawEdge(canvas, r, edge, flags | BF_ADJUST);
    if (contentRect)
        *contentRect = r;
    return true;
}

bool GetThemePartSize(HTHEME theme, TCanvas*, int part, int, const TRect* rect, THEMESIZE, TSize& result)
{
    if (!theme)
        return false;
    switch (theme->kind) {
    case ThemeClass::Button:
        if (part == BP_CHECKBOX || part == BP_RADIOBUTTON) {
            result = {13, 13};
            return true;
        }
        break;
    case ThemeClass::Menu:
    case ThemeClass::Window: {
        const std::optional<TSize> own =
            theme->kind == ThemeClass::Menu ? MenuPartSize(part) : WindowPartSize(part);
        if (own) {
            result = *own;
            return true;
        }
        break;
    }
    case ThemeClass::TreeView:
        result = {9, 9};
        return true;
    case ThemeClass::ScrollBar:
        result = {17, 17};
        return true;
    case ThemeClass::Spin:
        result = {15, 11};
        return true;
    case ThemeClass::ComboBox:
        result = {17, 20};
        return true;
    case ThemeClass::Trackbar:
        if (part != TKP_TRACK) {
            result = {11, 19};
            return true;
        }
        break;
    default:
        break;
    }
    result = rect ? TSize{rect->Width(), rect->Height()} : TSize{};
    return true;
}

bool GetThemeBackgroundContentRect(HTHEME theme, TCanvas*, int, int, const TRect& bounds, TRect& content)
{
    if (!theme)
        return false;
    const int inset = (theme->kind == ThemeClass::Button || theme->kind == ThemeClass::Edit ||
                       theme->kind == ThemeClass::ComboBox)
                          ? 2
                          : 1;
    content = {bounds.Left + inset, bounds.Top + inset, bounds.Right - inset, bounds.Bottom - inset};
    return true;
}
