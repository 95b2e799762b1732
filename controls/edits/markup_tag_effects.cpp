#include "controls/edits/markup_layout.h"

#include "controls/edits/banded_gradient.h"
#include "controls/edits/markup_chars.h"
#include "controls/edits/markup_colors.h"
#include "platform/gui/graphics/gdi.h"
#include "support/system_colors.h"
#include "support/utf8.h"

#include <algorithm>

namespace {

using Kind = TMarkupTagKind;

// The largest font a tag may ask for, in points: beyond it glyphs would take more memory than any line
// shows.
constexpr int MaxFontPoints = 300;

int Points(int height)
{
    return MulDiv(-height, 72, 96);
}

int HeightOf(int points)
{
    return -MulDiv(std::clamp(points, 1, MaxFontPoints), 96, 72);
}

// The size a font tag asks for, in points: from "FONT-SIZE:" in its style, else from its size, where 1 to 5
// are steps up from the base font.
std::optional<int> FontTagPoints(std::u32string_view tagText, int basePoints)
{
    if (const auto style = ReadLooseAttribute(tagText, U"STYLE")) {
        if (style->find(U"FONT-SIZE:") == std::u32string::npos)
            return std::nullopt;
        const std::u32string rest = style->substr(std::min<size_t>(10, style->size()));
        const size_t pt = rest.find(U"PT");
        if (pt == std::u32string::npos)
            return std::nullopt;
        return MarkupNumber(TrimBlanks(std::u32string_view(rest).substr(0, pt)));
    }
    const auto size = ReadLooseAttribute(tagText, U"SIZE");
    if (!size)
        return std::nullopt;
    static constexpr int steps[] = {1, 2, 4, 6, 8};
    const int value = MarkupNumber(*size);
    return value >= 1 && value <= 5 ? basePoints + steps[value - 1] : value;
}

std::string Attribute(std::u32string_view tagText, std::u32string_view name, bool keepCase = false)
{
    return Utf32ToUtf8(ReadAttribute(tagText, name, keepCase));
}

} // namespace

void TMarkupLayout::SetBackground(std::optional<TColor> color)
{
    ink_.Background = color;
}

TMarkupLayout::TTagResult TMarkupLayout::ApplyTag(const TMarkupTag& tag, TMarkupState& state, TLineScan& scan)
{
    TFontStyles& style = state.Font.Style;
    switch (tag.Kind) {
    case Kind::RestDropped:
    case Kind::LineBreak:
    case Kind::ListItemEnd:
        if (scan.H == 0)
            scan.H = scan.BaseHeight;
        return {true, true};
    case Kind::Bold:
        style.Include(fsBold);
        break;
    case Kind::BoldEnd:
        style.Exclude(fsBold);
        break;
    case Kind::Italic:
        style.Include(fsItalic);
        break;
    case Kind::ItalicEnd:
        style.Exclude(fsItalic);
        break;
    case Kind::Underline:
        style.Include(fsUnderline);
        break;
    case Kind::StrikeOut:
        style.Include(fsStrikeOut);
        break;
    case Kind::StrikeOutEnd:
        style.Exclude(fsStrikeOut);
        break;
    case Kind::UnderlineOrListEnd:
        if (tag.ShortClose || state.ListDepth == 0)
            style.Exclude(fsUnderline);
        else
            --state.ListDepth;
        break;
    case Kind::ListOrOffsetEnd:
        if (tag.ShortClose || state.ListDepth == 0) {
            state.NextHOffset = 0;
        } else {
            --state.ListDepth;
            state.Numbered = false;
        }
        break;
    case Kind::Anchor:
        Anchor(tag, state, scan);
        break;
    case Kind::AnchorEnd:
        AnchorEnd(state, scan);
        break;
    case Kind::Blink:
        if (Drawing(scan))
            ink_.Text = initialBackground_;
        break;
    case Kind::BlinkOrBodyEnd:
        if (Drawing(scan))
            ink_.Text = ink_.Base;
        break;
    case Kind::Body:
        if (Drawing(scan))
            Body(tag, scan);
        break;
    case Kind::Error:
    case Kind::ErrorEnd:
        state.Error = tag.Kind == Kind::Error;
        break;
    case Kind::Font:
        FontTag(tag, state, scan);
        break;
    case Kind::FontEnd:
        FontEnd(state, scan);
        break;
    case Kind::Highlight:
    case Kind::HighlightEnd:
        Highlight(state, scan, tag.Kind == Kind::Highlight);
        break;
    case Kind::Rule:
        if (scan.H == 0)
            scan.H = scan.BaseHeight;
        if (Drawing(scan))
            Rule(tag, scan);
        return {true, true};
    case Kind::Indent:
        if (const auto whole = MarkupWholeNumber(ReadAttribute(tag.Text, U"X"))) {
            const int indent = MarkupPixels(*whole);
            if (scan.W < indent) {
                scan.W = indent;
                x_ = input_.Area.Left + indent;
            }
        }
        break;
    case Kind::Offset:
        state.NextHOffset = MarkupPixels(MarkupNumber(ReadAttribute(tag.Text, U"X")));
        x_ = input_.Area.Left + state.NextHOffset;
        scan.W = state.NextHOffset;
        break;
    case Kind::Image:
        return Image(tag, state, scan);
    case Kind::ListItem:
        return ListItem(tag, state, scan);
    case Kind::OrderedList:
    case Kind::UnorderedList:
        ++state.ListDepth;
        state.Numbered = tag.Kind == Kind::OrderedList;
        if (state.Numbered && Drawing(scan))
            ink_.ListCounter = 1;
        return {true, scan.W >= 1};
    case Kind::Paragraph:
        Paragraph(tag, state, scan);
        break;
    case Kind::ParagraphEnd:
        ParagraphEnd(state, scan);
        return {true, true};
    case Kind::Rotation:
        // Whole turns make no difference to the text: the angle is kept below one.
        state.Rotation = 10 * (MarkupNumber(ReadAttribute(tag.Text, U"A")) % 360);
        break;
    case Kind::RotationEnd:
        state.Rotation.reset();
        break;
    case Kind::Shadow:
    case Kind::ShadowEnd:
        state.Shadow = tag.Kind == Kind::Shadow;
        break;
    case Kind::Span:
        if (Drawing(scan))
            Span(tag, scan);
        break;
    case Kind::SpanEnd:
        if (Drawing(scan)) {
            SetBackground(ink_.SavedRun);
            ink_.SavedRun.reset();
        }
        break;
    case Kind::Subscript:
        state.Subscript = true;
        break;
    case Kind::Superscript:
        state.Superscript = true;
        break;
    case Kind::SubSuperscriptEnd:
        state.Subscript = state.Superscript = false;
        break;
    case Kind::Hidden:
    case Kind::HiddenEnd:
        state.Hidden = tag.Kind == Kind::Hidden;
        break;
    case Kind::Ignored:
        break;
    }
    return {true, false};
}

void TMarkupLayout::Anchor(const TMarkupTag& tag, TMarkupState& state, const TLineScan& scan)
{
    state.InAnchor = true;
    ++state.LinkCounter;
    result_.LinkCount = std::max(result_.LinkCount, state.LinkCounter);
    const bool hovered = state.LinkCounter == input_.HoverLink;
    if (Drawing(scan)) {
        ink_.Base = ink_.Text;
        if (!input_.HoverStyle || hovered) {
            state.Font.Style.Include(fsUnderline);
            if (input_.HoverColor != clNone) {
                ink_.SavedAnchorBackground = ink_.Background;
                SetBackground(input_.HoverColor);
            }
            if (input_.HoverFontColor != clNone) {
                ink_.SavedAnchorText = ink_.Text;
                ink_.Text = input_.HoverFontColor;
            }
        }
        if (!(input_.HoverStyle && hovered && input_.HoverFontColor != clNone))
            ink_.Text = input_.URLColor;
    }
    state.Target = Attribute(tag.Text, U"HREF", true);
    state.InLinkedAnchor = !state.Target.empty();
    state.Title = Attribute(tag.Text, U"TITLE", true);
    state.LinkStart = {scan.Line.Left + scan.W, scan.Line.Top};
    state.LinkStartLine = lineIndex_;
}

void TMarkupLayout::AnchorEnd(TMarkupState& state, const TLineScan& scan)
{
    state.InAnchor = false;
    if (Drawing(scan)) {
        if (!input_.HoverStyle || state.LinkCounter == input_.HoverLink) {
            state.Font.Style.Exclude(fsUnderline);
            if (input_.HoverColor != clNone)
                SetBackground(ink_.SavedAnchorBackground);
        }
        ink_.Text = ink_.Base;
    }
    state.InLinkedAnchor = false;
    if (scan.Mode != TScanMode::Locate || !linkMarked_)
        return;
    const bool startedHere = state.LinkStartLine == lineIndex_;
    result_.LinkRect = {startedHere ? state.LinkStart.X : scan.Line.Left,
                        startedHere ? state.LinkStart.Y : scan.Line.Top, scan.Line.Left + scan.W,
                        scan.Line.Bottom};
    result_.HoverLink = state.LinkCounter;
    linkMarked_ = false;
}

void TMarkupLayout::FontTag(const TMarkupTag& tag, TMarkupState& state, const TLineScan& scan)
{
    if (Drawing(scan))
        ink_.SavedRun = ink_.Background;
    if (const std::string face = Attribute(tag.Text, U"FACE"); !face.empty())
        state.Font.Name = face;
    if (const auto points = FontTagPoints(tag.Text, Points(state.BaseFont.Height)); points && *points >= 1)
        state.Font.Height = HeightOf(*points);
    if (!Drawing(scan))
        return;
    if (const auto color = MarkupColor(ReadAttribute(tag.Text, U" COLOR"))) {
        if (!state.InAnchor)
            ink_.Base = ink_.Text;
        ink_.Text = *color;
    }
    if (HasAttribute(tag.Text, U"BGCOLOR"))
        SetBackground(MarkupColor(ReadAttribute(tag.Text, U"BGCOLOR")));
}

void TMarkupLayout::FontEnd(TMarkupState& state, const TLineScan& scan)
{
    state.Font.Name = state.BaseFont.Name;
    state.Font.Height = state.BaseFont.Height;
    if (!Drawing(scan))
        return;
    ink_.Text = ink_.Base;
    SetBackground(ink_.SavedRun);
}

void TMarkupLayout::Span(const TMarkupTag& tag, const TLineScan&)
{
    const auto style = ReadLooseAttribute(tag.Text, U"STYLE");
    if (!style || style->find(U"BACKGROUND-COLOR:") == std::u32string::npos)
        return;
    const std::u32string_view rest = std::u32string_view(*style).substr(std::min<size_t>(17, style->size()));
    if (rest.empty() || rest.front() != U'#')
        return;
    ink_.SavedRun = ink_.Background;
    SetBackground(MarkupColor(rest));
}

void TMarkupLayout::Highlight(TMarkupState& state, const TLineScan& scan, bool on)
{
    if (!Drawing(scan))
        return;
    if (on) {
        ink_.SavedHighlightText = ink_.Text;
        ink_.SavedHighlightStyle = state.Font.Style;
        ink_.SavedHighlightBackground = ink_.Background;
        ink_.Text = clHighlightText;
        state.Font.Style = {};
        SetBackground(clHighlight);
    } else {
        ink_.Text = ink_.SavedHighlightText;
        state.Font.Style = ink_.SavedHighlightStyle;
        SetBackground(ink_.SavedHighlightBackground);
    }
}

void TMarkupLayout::Rule(const TMarkupTag& tag, const TLineScan& scan)
{
    const TColor pen = canvas_.Pen()->Color();
    canvas_.Pen()->SetColor(MarkupColor(ReadAttribute(tag.Text, U"COLOR", true)).value_or(clBlack));
    canvas_.MoveTo(scan.Line.Left, scan.Line.Bottom);
    canvas_.LineTo(scan.Line.Right, scan.Line.Bottom);
    canvas_.Pen()->SetColor(pen);
}

TMarkupLayout::TTagResult TMarkupLayout::ListItem(const TMarkupTag& tag, TMarkupState& state, TLineScan& scan)
{
    if (listItemOnLine_)
        return {false, false};
    listItemOnLine_ = true;
    scan.W += state.ListDepth * 12;
    const int bulletX = x_ + state.ListDepth * 12 - 12;
    x_ = bulletX + 12;
    if (!Drawing(scan) || state.Hidden)
        return {true, false};
    const std::u32string type = ReadAttribute(tag.Text, U"TYPE");
    const std::optional<TColor> itemColor = MarkupColor(ReadAttribute(tag.Text, U"COLOR"));
    const int top = scan.Line.Top;
    if (type == U"SQUARE" || type == U"CIRCLE") {
        const TColor brush = canvas_.Brush()->Color();
        const TColor color = itemColor.value_or(ink_.Text);
        canvas_.Brush()->SetColor(color);
        canvas_.Brush()->SetStyle(bsSolid);
        canvas_.Pen()->SetColor(color);
        if (type == U"SQUARE")
            canvas_.Rectangle(bulletX, top + 2, bulletX + 8, top + 10);
        else
            canvas_.Ellipse(bulletX, top + 2, bulletX + 8, top + 10);
        canvas_.Brush()->SetColor(brush);
        canvas_.Brush()->SetStyle(bsClear);
        SetBackground(std::nullopt);
        return {true, false};
    }
    canvas_.Font()->SetColor(itemColor.value_or(ink_.Text));
    SetBkMode(canvas_, TRANSPARENT);
    if (state.Numbered) {
        const std::string number = std::to_string(ink_.ListCounter++) + ". ";
        canvas_.TextOut(bulletX, top, number);
        x_ += canvas_.TextWidth(number) - 12;
    } else {
        canvas_.TextOut(bulletX, top, state.ListDepth % 2 == 1 ? "\u2022" : "o");
    }
    canvas_.Font()->SetColor(ink_.Text);
    return {true, false};
}

void TMarkupLayout::Paragraph(const TMarkupTag& tag, TMarkupState& state, TLineScan& scan)
{
    const std::u32string align = ReadAttribute(tag.Text, U"ALIGN");
    state.Align = TParagraphAlign::Left;
    if (align.find(U"RIGHT") != std::u32string::npos)
        state.Align = TParagraphAlign::Right;
    if (align.find(U"LEFT") != std::u32string::npos)
        state.Align = TParagraphAlign::Left;
    if (align.find(U"CENTER") != std::u32string::npos)
        state.Align = TParagraphAlign::Center;
    state.Indent = MarkupPixels(MarkupNumber(ReadAttribute(tag.Text, U"INDENT")));
    // 0 counts as 1; the factor stays within what a line can sensibly take.
    const double factor = MarkupFraction(ReadAttribute(tag.Text, U"LINE-HEIGHT"));
    state.LineHeightFactor = factor <= 0 ? 1.0 : std::min(factor, 10.0);
    const std::u32string floatSide = ReadAttribute(tag.Text, U"FLOAT");
    if (floatSide == U"LEFT" || floatSide == U"RIGHT") {
        state.ParagraphFloat = TPoint{scan.Line.Left, scan.Line.Top};
        scan.FloatBegan = true;
    }
    const std::optional<TColor> background = MarkupColor(ReadAttribute(tag.Text, U"BGCOLOR"));
    if (!background)
        return;
    state.ParagraphBackground = true;
    if (!Drawing(scan))
        return;
    const TRect& area = input_.Area;
    if (HasAttribute(tag.Text, U"BGCOLORTO")) {
        const TColor to = MarkupColor(ReadAttribute(tag.Text, U"BGCOLORTO")).value_or(*background);
        MarkupGradientFill(canvas_, *background, to, clNone, 64,
                           Rect(area.Left, scan.Line.Top, area.Right, scan.Line.Bottom + 2), true);
        SetBackground(std::nullopt);
        return;
    }
    ink_.SavedParagraph = ink_.Background;
    SetBackground(*background);
    canvas_.Pen()->SetColor(*background);
    canvas_.Brush()->SetColor(*background);
    canvas_.Brush()->SetStyle(bsSolid);
    canvas_.Rectangle(area.Left, scan.Line.Top, area.Right, scan.Line.Bottom);
}

void TMarkupLayout::ParagraphEnd(TMarkupState& state, const TLineScan& scan)
{
    state.LineHeightFactor = 1.0;
    state.ParagraphBackground = false;
    if (Drawing(scan))
        SetBackground(ink_.SavedParagraph);
}
