#include "controls/edits/markup_layout.h"

#include "controls/edits/markup_chars.h"
#include "platform/gui/graphics/gdi.h"
#include "support/math_routines.h"

#include <algorithm>

TMarkupRenderResult RenderMarkup(TCanvas& canvas, const TMarkupRenderInput& input)
{
    return TMarkupLayout(canvas, input).Run();
}

TMarkupLayout::TMarkupLayout(TCanvas& canvas, const TMarkupRenderInput& input)
    : canvas_(canvas), input_(input)
{}

void TMarkupLayout::SetUpCanvas()
{
    initialBackground_ = canvas_.Brush()->Color();
    canvas_.Brush()->SetStyle(bsClear);
    SetBkMode(canvas_, TRANSPARENT);
    const TFont& font = *canvas_.Font();
    state_.Font = {font.Name(), font.Height(), font.Style()};
    state_.BaseFont = state_.Font;
    ink_.Text = ink_.Base = font.Color();
}

void TMarkupLayout::ApplyFont(const TMarkupFont& font)
{
    TFont& canvasFont = *canvas_.Font();
    canvasFont.SetName(font.Name);
    canvasFont.SetHeight(font.Height);
    canvasFont.SetStyle(font.Style);
    canvasFont.SetColor(ink_.Text);
    canvasFont.SetOrientation(0);
}

unsigned TMarkupLayout::TextFlags(bool externalLeading) const
{
    unsigned flags = DT_SINGLELINE | DT_BOTTOM | DT_EXPANDTABS;
    if (externalLeading)
        flags |= DT_EXTERNALLEADING;
    if (input_.BiDiMode != bdLeftToRight)
        flags |= DT_RIGHT | DT_RTLREADING;
    if (!prepared_.PrefixHandling)
        flags |= DT_NOPREFIX;
    if (prepared_.EndEllipsis)
        flags |= DT_END_ELLIPSIS;
    return flags;
}

TRect TMarkupLayout::AlignedRect(const TRect& line, const TLineScan& measured, int height) const
{
    TRect rect = line;
    if (state_.Align == TParagraphAlign::Right)
        rect.Left = std::max(rect.Left, rect.Right - measured.W);
    else if (state_.Align == TParagraphAlign::Center && (rect.Width() - measured.W) / 2 >= 1)
        rect.Left += (rect.Width() - measured.W) / 2;
    rect.Left += state_.Indent;
    rect.Bottom = rect.Top + height + measured.SubRoom + measured.SupRoom;
    return rect;
}

size_t TMarkupLayout::LayOutLine(std::u32string_view rest, int baseHeight, TLineCursor& cursor)
{
    TRect& line = cursor.Line;
    const TMarkupState start = state_;
    TLineScan measured;
    measured.Mode = TScanMode::Measure;
    measured.Line = line;
    measured.HOffset = cursor.HOffset;
    measured.BaseHeight = baseHeight;
    ScanLine(rest, state_, measured);
    const double factor = state_.LineHeightFactor;
    const int height = static_cast<int>(RoundHalfEven(factor * (measured.H + input_.LineSpacing)));
    const TRect drawing = AlignedRect(line, measured, height);

    TLineScan second = measured;
    second.Mode = input_.HitTestOnly ? TScanMode::Locate : TScanMode::Draw;
    second.Line = drawing;
    TMarkupState drawState = start;
    ScanLine(rest.substr(0, measured.Consumed), drawState, second);

    const TRect& area = input_.Area;
    line.Left = area.Left + state_.FloatLeft;
    line.Right = area.Right - state_.FloatRight;
    if (drawing.Top > state_.FloatHeight) {
        state_.FloatLeft = state_.FloatRight = 0;
        line.Left = area.Left;
        line.Right = area.Right;
    }
    const int textBottom = drawing.Bottom - second.ImageOffset;
    if ((second.TextHot && input_.Mouse.Y > textBottom - measured.BaseHeight &&
         input_.Mouse.Y < textBottom) ||
        second.ImageHot)
        result_.OverLink = true;

    cursor.HOffset = state_.NextHOffset;
    const int advance = height + measured.SubRoom + measured.SupRoom;
    if (measured.FloatBegan && state_.ParagraphFloat) {
        line.Left = state_.ParagraphFloat->X;
        line.Top = state_.ParagraphFloat->Y;
        state_.ParagraphFloat.reset();
    } else {
        line.Top += advance;
        result_.Height += advance;
    }
    cursor.Stop = line.Top + baseHeight > area.Bottom;
    return measured.Consumed;
}

TMarkupRenderResult TMarkupLayout::Run()
{
    SetUpCanvas();
    prepared_ = PrepareMarkup(input_.Text, !input_.WordWrap);
    std::u32string_view rest = prepared_.Text;
    TLineCursor cursor{input_.Area};
    int baseHeight = 0;
    for (; !cursor.Stop; ++lineIndex_) {
        state_.Subscript = state_.Superscript = false;
        ApplyFont(state_.Font);
        baseHeight = canvas_.TextHeight("gh");
        rest = TrimBlanks(rest);
        if (rest.empty())
            break;
        rest.remove_prefix(LayOutLine(rest, baseHeight, cursor));
    }
    if (result_.Height == 0)
        result_.Height = baseHeight;
    canvas_.Brush()->SetColor(initialBackground_);
    ink_.Text = ink_.Base;
    ApplyFont(state_.BaseFont);
    if (!result_.OverLink) {
        result_.Anchor.clear();
        result_.Title.clear();
        result_.HoverLink = -1;
        result_.LinkRect = {-1, -1, -1, -1};
    }
    return result_;
}
