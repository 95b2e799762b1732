#include "controls/skins/skin_text_output.h"

#include "controls/skins/skin_drawing.h"
#include "platform/gui/graphics/bitmap.h"
#include "platform/gui/graphics/theme.h"
#include "support/utf8.h"

#include <algorithm>
#include <array>

namespace {

bool IsEmpty(const TRect& r)
{
    return r.Right <= r.Left || r.Bottom <= r.Top;
}

TRect Moved(TRect r, int dx, int dy)
{
    OffsetRect(r, dx, dy);
    return r;
}

// A line without its "&" marks, and the position of the marked character (-1 for none).
struct TMarkedLine
{
    std::u32string Text;
    int Mnemonic = -1;
};

TMarkedLine RemoveMarks(const std::u32string& text)
{
    TMarkedLine line{text};
    for (size_t i = 0; i < line.Text.size(); ++i) {
        if (line.Text[i] != U'&')
            continue;
        line.Text.erase(i, 1);
        if (i < line.Text.size() && line.Text[i] != U'&')
            line.Mnemonic = static_cast<int>(i);
    }
    return line;
}

int Width(TCanvas& canvas, const std::u32string& text)
{
    return canvas.TextWidth(Utf32ToUtf8(text));
}

// A line longer than room is cut to fit with "..." after it; a mark on a cut character is dropped.
void ShortenToFit(TCanvas& canvas, TMarkedLine& line, int room)
{
    if (line.Text.size() <= 1 || Width(canvas, line.Text) <= room)
        return;
    if (room < 3) {
        line.Text.resize(1);
    } else {
        line.Text.pop_back();
        while (line.Text.size() > 1 && Width(canvas, line.Text + U"...") > room)
            line.Text.pop_back();
    }
    if (line.Mnemonic >= static_cast<int>(line.Text.size()))
        line.Mnemonic = -1;
    line.Text += U"...";
}

// The underline of the marked character of a turned line drawn at (x, y), along the line's bottom edge.
void UnderlineMnemonic(TCanvas& canvas, const TMarkedLine& line, int x, int y, TQvTextRotationAngle angle)
{
    const TTextMetric metrics = canvas.TextMetrics();
    const int before = Width(canvas, line.Text.substr(0, static_cast<size_t>(line.Mnemonic)));
    const int length = Width(canvas, line.Text.substr(static_cast<size_t>(line.Mnemonic), 1));
    int column = x + metrics.tmDescent - 2;
    int top = y + before;
    if (angle == tra90) {
        // Upwards the line starts at its bottom and its base line lies on the right.
        column = x + metrics.tmAscent + 1;
        top = y + Width(canvas, line.Text) - before - length;
    }
    canvas.Pen()->SetStyle(psSolid);
    canvas.Pen()->SetWidth(1);
    canvas.Pen()->SetColor(GetTextColor(canvas));
    canvas.MoveTo(column, top);
    canvas.LineTo(column, top + length);
}

bool HasEllipsisFlag(unsigned flags)
{
    return flags & (DT_END_ELLIPSIS | DT_PATH_ELLIPSIS);
}

// Text that may wrap or be shortened is measured in the room the glyphs leave it.
bool FitsItsRoom(unsigned flags)
{
    return (flags & DT_WORDBREAK) || HasEllipsisFlag(flags);
}

TRect Transposed(const TRect& r)
{
    return {r.Top, r.Left, r.Bottom, r.Right};
}

// Colours times alpha, as blending with the source's own alpha takes them.
void Premultiply(TBitmap& bitmap)
{
    for (int y = 0; y < bitmap.Height(); ++y) {
        uint8_t* line = bitmap.ScanLine(y);
        for (int x = 0; x < bitmap.Width(); ++x) {
            uint8_t* bgra = line + 4 * x;
            for (int c = 0; c < 3; ++c)
                bgra[c] = static_cast<uint8_t>((bgra[c] * bgra[3] + 127) / 255);
        }
    }
}

} // namespace

int DrawSkinText(TCanvas& canvas, const std::string& text, TRect& r, unsigned flags, TQvGlowDirection glow,
                 TColor glowColor, TQvTextRotationAngle angle)
{
    if (IsEmpty(r))
        return 0;
    TSavedCanvasState saved(canvas);
    canvas.Brush()->SetStyle(bsClear);
    const bool measuring = flags & DT_CALCRECT;
    if (glow != gldNone && !measuring) {
        static constexpr std::array<TPoint, 4> around = {{{0, -1}, {0, 1}, {-1, 0}, {1, 0}}};
        static constexpr std::array<TPoint, 1> topLeft = {{{-1, -1}}};
        static constexpr std::array<TPoint, 1> bottomRight = {{{1, 1}}};
        const std::span<const TPoint> offsets = glow == gldAll       ? std::span<const TPoint>(around)
                                                : glow == gldTopLeft ? std::span<const TPoint>(topLeft)
                                                                     : std::span<const TPoint>(bottomRight);
        const TColor textColor = canvas.Font()->Color();
        canvas.Font()->SetColor(glowColor);
        for (const TPoint offset : offsets) {
            TRect moved = Moved(r, offset.X, offset.Y);
            if (angle == tra0)
                DrawText(canvas, text, moved, flags);
            else
                DrawRotatedText(canvas, text, moved, flags, angle);
        }
        canvas.Font()->SetColor(textColor);
    }
    const int height =
        angle == tra0 ? DrawText(canvas, text, r, flags) : DrawRotatedText(canvas, text, r, flags, angle);
    if (measuring && canvas.Font()->Style().Contains(fsItalic))
        r.Right += canvas.Font()->Size() / 8 * 2 + 1;
    return height;
}

std::unique_ptr<TFont> CreateRotatedFont(const TCanvas& canvas, int escapement)
{
    auto font = std::make_unique<TFont>();
    font->Assign(canvas.Font());
    font->SetOrientation(escapement);
    return font;
}

int DrawRotatedText(TCanvas& canvas, const std::string& text, TRect& r, unsigned flags,
                    TQvTextRotationAngle angle)
{
    if (text.empty())
        return 0;
    TSavedCanvasState saved(canvas);
    canvas.SetFont(CreateRotatedFont(canvas, angle == tra90 ? 900 : 2700).get());
    const int lineHeight = canvas.TextMetrics().tmHeight;
    const int x = (r.Width() - lineHeight) / 2 + r.Left;
    TMarkedLine line =
        (flags & DT_NOPREFIX) ? TMarkedLine{Utf8ToUtf32(text)} : RemoveMarks(Utf8ToUtf32(text));
    if (flags & DT_END_ELLIPSIS)
        ShortenToFit(canvas, line, r.Height());
    const std::string shown = Utf32ToUtf8(line.Text);
    const TSize size = GetTextSize(canvas, shown, false);
    if (flags & DT_CALCRECT) {
        r.Right = r.Left + size.cy;
        r.Bottom = r.Top + size.cx;
        return size.cy;
    }
    const int y = (flags & DT_CENTER) ? (r.Height() - size.cx) / 2 + r.Top : r.Top;
    if (!(flags & DT_NOCLIP))
        IntersectClipRect(canvas, r.Left, r.Top, r.Right, r.Bottom);
    SetTextAlign(canvas, angle == tra90 ? TA_RIGHT : TA_BOTTOM);
    canvas.TextOut(x, y, shown);
    if (line.Mnemonic >= 0 && !(flags & DT_HIDEPREFIX))
        UnderlineMnemonic(canvas, line, x, y, angle);
    return size.cy;
}

namespace {

// A caption's extent; 0 x 0 without one. room is the width that wrapping and shortening may use.
TSize MeasureCaption(TCanvas& canvas, const std::string& caption, unsigned flags, int room, bool rotated)
{
    if (caption.empty())
        return {};
    // A bold caption that fits is measured as one line without its marks.
    if (!rotated && canvas.Font()->Style().Contains(fsBold) && HasEllipsisFlag(flags)) {
        const TSize line = GetTextSize(canvas, caption, true);
        if (line.cx <= room)
            return line;
    }
    TRect calc{0, 0, room, 1};
    const int height = DrawSkinText(canvas, caption, calc, flags | DT_CALCRECT, gldNone, clNone, tra0);
    return {calc.Width(), height};
}

// The caption's rectangle in area, by its own alignment.
TRect PlaceCaption(const TRect& area, TSize text, TAlignment alignment, unsigned flags, bool rotated)
{
    TRect r;
    r.Top = (area.Height() - text.cy) / 2 + area.Top;
    r.Left = alignment == taLeftJustify    ? area.Left
             : alignment == taRightJustify ? area.Right - text.cx
                                           : (area.Width() - text.cx) / 2 + area.Left;
    r.Right = r.Left + text.cx;
    r.Bottom = r.Top + text.cy;
    if (rotated && HasEllipsisFlag(flags) && r.Left + text.cx + 8 < area.Right)
        r.Right = r.Left + text.cx + 8;
    return r;
}

// The glyph's rectangle in area, and how far the caption moves to make room for it.
struct TGlyphPlace
{
    TRect Glyph;
    TPoint TextShift;
};

TGlyphPlace PlaceGlyph(const TRect& area, TSize glyph, TSize text, TAlignment alignment,
                       TQvGlyphLayout layout, int gap, int gapDown)
{
    TGlyphPlace place;
    TRect& g = place.Glyph;
    if (alignment == taLeftJustify) {
        g.Left = area.Left;
        place.TextShift.X = glyph.cx + gap;
    } else if (alignment == taRightJustify) {
        g.Left = area.Right - glyph.cx;
        place.TextShift.X = -(gap + glyph.cx);
    } else if (layout == ghlGlyphTop) {
        g.Left = (area.Width() - glyph.cx) / 2 + area.Left;
    } else {
        g.Left = (area.Width() - glyph.cx - gap - text.cx) / 2 + area.Left;
        place.TextShift.X = (glyph.cx + gap) / 2;
    }
    if (layout == ghlGlyphTop) {
        g.Top = (area.Height() - glyph.cy - gapDown - text.cy) / 2 + area.Top;
        place.TextShift.Y = (glyph.cy + gapDown) / 2;
    } else {
        g.Top = (area.Height() - glyph.cy) / 2 + area.Top;
    }
    g.Right = g.Left + glyph.cx;
    g.Bottom = g.Top + glyph.cy;
    return place;
}

bool HasSize(TSize size)
{
    return size.cx > 0 && size.cy > 0;
}

} // namespace

int CalcCaptionLayout(TCanvas& canvas, const TRect& r, const std::string& caption, TAlignment alignment,
                      unsigned flags, TSize glyphSize, TSize rightGlyphSize, TQvGlyphLayout layout,
                      bool pushedCaption, TRect& textRect, TRect& glyphRect, TRect& rightGlyphRect,
                      bool rotated)
{
    textRect = glyphRect = rightGlyphRect = {};
    const bool hasText = !caption.empty();
    const int gap = hasText && HasSize(glyphSize) ? 4 : 0;
    const int gapDown = hasText && HasSize(glyphSize) ? 1 : 0;
    const int rightGap = hasText && HasSize(rightGlyphSize) ? 4 : 0;
    flags &= ~(DT_CENTER | DT_VCENTER);
    if (alignment == taRightJustify)
        flags |= DT_RIGHT;
    const TRect area = rotated ? Transposed(r) : r;

    int room = 1;
    if (FitsItsRoom(flags))
        room = layout == ghlGlyphTop ? area.Width() + 2
                                     : area.Width() - glyphSize.cx - gap - rightGlyphSize.cx - rightGap + 2;
    const TSize text = MeasureCaption(canvas, caption, flags, room, rotated);
    if (hasText) {
        textRect = PlaceCaption(area, text, alignment, flags, rotated);
        if (pushedCaption)
            OffsetRect(textRect, 1, 1);
    }
    if (HasSize(glyphSize)) {
        if (layout == ghlGlyphTop)
            alignment = taCenter;
        const TGlyphPlace place = PlaceGlyph(area, glyphSize, text, alignment, layout, gap, gapDown);
        glyphRect = place.Glyph;
        if (pushedCaption)
            OffsetRect(glyphRect, 1, 1);
        if (hasText)
            OffsetRect(textRect, place.TextShift.X, place.TextShift.Y);
    }
    if (HasSize(rightGlyphSize) && alignment == taLeftJustify) {
        rightGlyphRect =
            Bounds(area.Right - rightGlyphSize.cx, (area.Height() - rightGlyphSize.cy) / 2 + area.Top,
                   rightGlyphSize.cx, rightGlyphSize.cy);
        if (hasText)
            textRect.Right = std::min(textRect.Right, area.Right - (rightGlyphSize.cx + rightGap));
    }
    if (rotated) {
        textRect = Transposed(textRect);
        glyphRect = Transposed(glyphRect);
        rightGlyphRect = Transposed(rightGlyphRect);
    }
    return text.cy;
}

int DrawThemedGlowText(TCanvas& canvas, const std::string& text, TRect& r, unsigned flags, int glowSize)
{
    HTHEME theme = OpenThemeData("Window");
    if (!theme)
        return DrawText(canvas, text, r, flags);
    DTTOPTS options;
    options.dwFlags =
        DTT_TEXTCOLOR | DTT_GLOWSIZE | DTT_COMPOSITED | ((flags & DT_CALCRECT) ? DTT_CALCRECT : 0);
    options.crText = ColorToRGB(canvas.Font()->Color());
    options.iGlowSize = glowSize;
    constexpr int WP_CAPTION = 1, CS_ACTIVE = 1;
    DrawThemeTextEx(theme, canvas, WP_CAPTION, CS_ACTIVE, text, flags & ~DT_CALCRECT, r, &options);
    CloseThemeData(theme);
    return r.Height();
}

int DrawGlowText(TCanvas& canvas, const std::string& text, TRect& r, unsigned flags, int glowSize)
{
    if (flags & DT_CALCRECT)
        return DrawThemedGlowText(canvas, text, r, flags, glowSize);
    if (IsEmpty(r))
        return 0;
    // Drawn on a see-through picture of its own first, so that the glow blends with what lies under it.
    TBitmap picture(r.Width(), r.Height(), pf32bit);
    for (int y = 0; y < picture.Height(); ++y)
        std::fill_n(picture.ScanLine(y), 4 * picture.Width(), 0);
    picture.Canvas()->SetFont(canvas.Font());
    TRect inside{0, 0, r.Width(), r.Height()};
    const int height = DrawThemedGlowText(*picture.Canvas(), text, inside, flags, glowSize);
    Premultiply(picture);
    AlphaBlendRect(*picture.Canvas(), canvas, {0, 0, r.Width(), r.Height()}, r, 255, true);
    return height;
}

TSize GetTextSize(TCanvas& canvas, const std::string& text, bool stripPrefix)
{
    return canvas.TextExtent(stripPrefix ? StripAmpersands(text) : text);
}

TSize GetControlTextSize(const TControl*, const TFont& font, const std::string& text)
{
    TBitmap measure(1, 1);
    measure.Canvas()->SetFont(&font);
    return GetTextSize(*measure.Canvas(), text, false);
}

int GetFontTextHeight(const TControl* control, const TFont& font)
{
    return GetControlTextSize(control, font, "WQqJ").cy;
}

std::string StripAmpersands(const std::string& text)
{
    return Utf32ToUtf8(RemoveMarks(Utf8ToUtf32(text)).Text);
}

std::string StripAfterTab(const std::string& text)
{
    return text.substr(0, text.find('\t'));
}

std::string StripCaptionEnding(const std::string& text)
{
    const size_t length = Utf8Length(text);
    if (length > 1 && text.ends_with(':'))
        return text.substr(0, text.size() - 1);
    if (length > 3 && text.ends_with("..."))
        return text.substr(0, text.size() - 3);
    return text;
}
