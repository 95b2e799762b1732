#include "controls/edits/markup_layout.h"

#include "platform/gui/graphics/gdi.h"
#include "support/utf8.h"

#include <algorithm>

void TMarkupLayout::ScanLine(std::u32string_view text, TMarkupState& state, TLineScan& scan)
{
    scan.W = scan.H = 0;
    scan.Consumed = 0;
    scan.TextHot = scan.ImageHot = scan.FloatBegan = false;
    scan.Line.Bottom -= scan.SubRoom;
    listItemOnLine_ = false;
    trailingSpace_ = 0;
    x_ = input_.BiDiMode != bdLeftToRight ? scan.Line.Right : scan.Line.Left;
    if (Drawing(scan)) {
        x_ += scan.HOffset;
        if (state.ParagraphBackground && ink_.Background) {
            canvas_.Pen()->SetColor(*ink_.Background);
            canvas_.Brush()->SetColor(*ink_.Background);
            canvas_.Brush()->SetStyle(bsSolid);
            canvas_.Rectangle(input_.Area.Left, scan.Line.Top, input_.Area.Right,
                              scan.Line.Top + scan.BaseHeight);
        }
    }
    for (bool ended = false; !ended && scan.Consumed < text.size();) {
        const std::u32string_view rest = text.substr(scan.Consumed);
        if (rest.front() != U'<') {
            if (!TextRun(rest, state, scan))
                break;
            continue;
        }
        const TMarkupTag tag = ReadTag(rest);
        const TTagResult effect = ApplyTag(tag, state, scan);
        if (!effect.fits)
            break;
        scan.Consumed += tag.Length;
        ended = effect.endsLine;
    }
    scan.W -= trailingSpace_;
    if (result_.Width < scan.W)
        result_.Width = scan.W + 2;
}

bool TMarkupLayout::TextRun(std::u32string_view text, TMarkupState& state, TLineScan& scan)
{
    const TMarkupRun run = NextRun(text, input_.WordWrap);
    const std::string utf8 = DrawnRunText(run.Text, prepared_.PrefixHandling);
    ApplyFont(state.Font);
    const int height = canvas_.TextHeight(utf8);
    scan.H = std::max(scan.H == 0 ? scan.BaseHeight : scan.H, height);
    if (state.Subscript)
        scan.SubRoom = std::max(scan.SubRoom, height / 4);
    if (state.Superscript)
        scan.SupRoom = std::max(scan.SupRoom, height / 4);
    if (state.Hidden) {
        scan.Consumed += run.SourceLength;
        return true;
    }
    TRect measured = scan.Line;
    DrawText(canvas_, utf8, measured, TextFlags(true) | DT_CALCRECT);
    const int width = measured.Width();
    if (Drawing(scan)) {
        DrawRun(utf8, state, scan, width);
    } else {
        scan.W += width;
        if (scan.Mode == TScanMode::Locate)
            LocateInRun(state, scan, width);
        const int room = scan.Line.Width() - scan.HOffset;
        const bool fits = scan.W < room || width >= room || !input_.WordWrap;
        if (scan.Mode == TScanMode::Measure && !fits) {
            scan.W -= width;
            return false;
        }
    }
    scan.Consumed += run.SourceLength;
    trailingSpace_ = !run.Text.empty() && run.Text.back() == U' ' ? canvas_.TextWidth(" ") : 0;
    return true;
}

void TMarkupLayout::DrawRun(const std::string& run, const TMarkupState& state, TLineScan& scan, int width)
{
    const bool rightToLeft = input_.BiDiMode != bdLeftToRight;
    const int start = x_;
    x_ += rightToLeft ? -width : width;
    if (!input_.WordWrap && !rightToLeft && start >= scan.Line.Right - canvas_.TextWidth("l"))
        return;
    int bottom = scan.Line.Bottom - scan.ImageOffset;
    if (state.Superscript)
        bottom -= scan.SupRoom;
    if (state.Subscript)
        bottom += scan.SubRoom;
    const int italicRoom = state.Font.Style.Contains(fsItalic) ? 2 : 0;
    TRect rect = rightToLeft ? Rect(scan.Line.Left, scan.Line.Top, start, bottom)
                             : Rect(start, scan.Line.Top, scan.Line.Right + italicRoom, bottom);
    canvas_.Font()->SetOrientation(state.Rotation.value_or(0));
    if (state.Shadow) {
        TRect shadow = rect;
        OffsetRect(shadow, input_.ShadowOffset, input_.ShadowOffset);
        canvas_.Font()->SetColor(input_.ShadowColor);
        SetBkMode(canvas_, TRANSPARENT);
        DrawText(canvas_, run, shadow, TextFlags(false));
        canvas_.Font()->SetColor(ink_.Text);
    }
    SetBkMode(canvas_, ink_.Background ? OPAQUE : TRANSPARENT);
    if (ink_.Background)
        SetBkColor(canvas_, *ink_.Background);
    if (state.Rotation) {
        // A turned run starts at its bottom left corner and turns about it.
        SetTextAlign(canvas_, TA_LEFT | TA_BOTTOM);
        canvas_.TextOut(start, bottom, run);
        SetTextAlign(canvas_, TA_LEFT | TA_TOP);
    } else {
        DrawText(canvas_, run, rect, TextFlags(false));
    }
    SetBkMode(canvas_, TRANSPARENT);
    if (state.Error)
        DrawErrorMarks(std::min(start, x_), std::max(start, x_), scan.Line.Bottom);
}

void TMarkupLayout::DrawErrorMarks(int left, int right, int bottom)
{
    const TColor pen = canvas_.Pen()->Color();
    canvas_.Pen()->SetColor(clRed);
    int x = (left / 2) * 2;
    int v = x % 4 == 0 ? 2 : 0;
    canvas_.MoveTo(x, bottom + v - 1);
    for (; x < right; x += 2) {
        v = v == 0 ? 2 : 0;
        canvas_.LineTo(x + 2, bottom + v - 1);
    }
    canvas_.Pen()->SetColor(pen);
}

void TMarkupLayout::LocateInRun(TMarkupState& state, TLineScan& scan, int width)
{
    const int x = input_.Mouse.X - scan.Line.Left;
    if (!state.InLinkedAnchor || x < scan.W - width || x > scan.W)
        return;
    scan.TextHot = true;
    if (input_.Mouse.Y > scan.Line.Top) {
        result_.Anchor = state.Target;
        result_.Title = state.Title;
        linkMarked_ = true;
    }
}
