#include "controls/grid/text_drawing.h"

#include "controls/grid/text_measuring.h"
#include "platform/gui/graphics/gdi.h"

#include <cmath>

namespace {

unsigned AlignmentFlag(TAlignment alignment)
{
    return alignment == taRightJustify ? DT_RIGHT : alignment == taCenter ? DT_CENTER : DT_LEFT;
}

// Runs draw with a clear brush and makes the brush solid again, also when drawing raises.
template <typename Draw> void WithClearBrush(TCanvas& canvas, Draw draw)
{
    struct SolidAgain
    {
        TCanvas& canvas;
        ~SolidAgain() { canvas.Brush()->SetStyle(bsSolid); }
    } solidAgain{canvas};
    canvas.Brush()->SetStyle(bsClear);
    draw();
}

void DrawClear(TCanvas& canvas, const std::string& text, TRect rect, unsigned flags)
{
    WithClearBrush(canvas, [&] { DrawText(canvas, text, rect, flags); });
}

// One line of turned text as the platform lays it out at the bottom of rect: the line's cell is placed as
// for level text and turned about its top-left corner, so the text rises from there.
void DrawTurnedLine(TCanvas& canvas, const TRect& rect, const std::string& line, int lineHeight)
{
    WithClearBrush(canvas, [&] { canvas.TextRect(rect, rect.Left, rect.Bottom - lineHeight, line); });
}

constexpr unsigned SingleLineFlags = DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_EXTERNALLEADING;

} // namespace

void DrawTextRectEx(TCanvas& canvas, const TRect& rect, TAlignment alignment, const std::string& text,
                    TBiDiMode biDiMode)
{
    unsigned flags = SingleLineFlags | DT_NOPREFIX | AlignmentFlag(alignment);
    if (biDiMode != bdLeftToRight)
        flags |= DT_RTLREADING;
    DrawClear(canvas, text, rect, flags);
}

void DrawAlignedText(TCanvas& canvas, const TRect& rect, TAlignment alignment, const std::string& text,
                     bool noPrefix)
{
    DrawClear(canvas, text, rect, SingleLineFlags | AlignmentFlag(alignment) | (noPrefix ? DT_NOPREFIX : 0));
}

void DrawSingleLineText(TCanvas& canvas, const TRect& rect, const std::string& text, TBiDiMode biDiMode)
{
    DrawTextRectEx(canvas, rect, taLeftJustify, text,
                   biDiMode == bdRightToLeft ? bdRightToLeft : bdLeftToRight);
}

void DrawVerticalText(TCanvas& canvas, const TRect& rect, const std::string& text, bool multiLine)
{
    TFont turned;
    turned.Assign(canvas.Font());
    turned.SetOrientation(900);
    TFont previous;
    previous.Assign(canvas.Font());
    struct FontBack
    {
        TCanvas& canvas;
        TFont& font;
        ~FontBack() { canvas.SetFont(&font); }
    } fontBack{canvas, previous};
    canvas.SetFont(&turned);
    const int lineHeight = canvas.TextHeight(text);
    if (!multiLine || text.find('\r') == std::string::npos) {
        DrawTurnedLine(canvas, rect, text, lineHeight);
        return;
    }
    // Each line stands right of the one before by the height of the whole text.
    TRect lineRect = rect;
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = text.find('\r', start);
        if (end == std::string::npos)
            end = text.size();
        DrawTurnedLine(canvas, lineRect, text.substr(start, end - start), lineHeight);
        lineRect.Left += lineHeight;
        start = end + (end + 1 < text.size() && text[end + 1] == '\n' ? 2 : 1);
    }
}

void DrawTextInRect(TCanvas& canvas, const TRect& rect, TAlignment alignment,
                    TVerticalAlignment verticalAlignment, const std::string& text, TGxTextWrapKind wrapKind,
                    bool showPrefix)
{
    static constexpr unsigned wrapFlags[] = {0, DT_END_ELLIPSIS, DT_PATH_ELLIPSIS, DT_WORD_ELLIPSIS,
                                             DT_WORDBREAK};
    unsigned flags = DT_EXTERNALLEADING | wrapFlags[wrapKind] | AlignmentFlag(alignment);
    if (!showPrefix)
        flags |= DT_NOPREFIX;
    if (wrapKind != TextWrap::twWordWrap)
        flags |= DT_SINGLELINE;
    if (verticalAlignment == taAlignBottom)
        flags |= DT_BOTTOM;
    else if (verticalAlignment == taVerticalCenter)
        flags |= DT_VCENTER;
    TRect r = rect;
    if (wrapKind == TextWrap::twWordWrap && verticalAlignment != taAlignTop) {
        // Wrapped lines are laid out from the top: the rectangle moves down by the room they leave.
        const int textHeight = MeasureWrappedText(canvas, r, text).cy;
        const int shift = verticalAlignment == taAlignBottom
                              ? r.Height() - textHeight
                              : static_cast<int>(std::floor(r.Height() / 2.0 - textHeight / 2.0));
        OffsetRect(r, 0, shift);
    }
    DrawClear(canvas, text, r, flags);
}
