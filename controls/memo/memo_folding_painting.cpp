#include "controls/memo/memo_folding.h"
#include "controls/memo/vez_custom_memo.h"

#include "platform/gui/graphics/canvas.h"
#include "support/text_routines.h"

#include <algorithm>

// What folding shows: the strip left of the text with the guides of the regions and a box on each node
// (minus: open, plus: collapsed, or the glyphs of the settings), and on a collapsed node's row either the
// caption of its region or a box with three dots after its text.

namespace {

// The node box's side and its distance from the strip's left edge; the guide runs through its middle.
constexpr int BoxSize = 9;
constexpr int BoxLeft = 2;
constexpr int GuideX = 6;

void VerticalLine(TCanvas& canvas, int x, int top, int bottom)
{
    canvas.MoveTo(x, top);
    canvas.LineTo(x, bottom);
}

} // namespace

bool TVezCustomMemo::NodeHasCaption(int line) const
{
    int rule = 0;
    std::string caption;
    return GetNodeCaption(line, rule, caption);
}

bool TVezCustomMemo::ShowsNodeCaption(int line) const
{
    return !GetExpandNode(line) && NodeHasCaption(line);
}

bool TVezCustomMemo::GetNodeCaption(int lineIndex, int& ruleIndex, std::string& caption) const
{
    const TVezCustomMemoStyler* styler = ActiveStyler();
    if (!FCodeFolding->Enabled() || !styler || !IsNode(lineIndex))
        return false;
    const TLineText line = LineAt(lineIndex);
    const size_t indent = std::min(line.find_first_not_of(U' '), line.size());
    const TLineText text = DecodeLine(Trim(EncodeLine(line)));
    const TLineText right = DecodeLine(styler->MultiCommentRight());
    const auto isCommentRight = [&right](char32_t ch) { return right.size() == 1 && ch == right[0]; };
    // The first word, with the character that ended it unless that is a blank.
    size_t end = 0;
    while (end < text.size() && text[end] != U' ' && text[end] != U';' && !isCommentRight(text[end]))
        ++end;
    const std::string word = UpperTrim(EncodeLine(text.substr(0, end + 1)));
    const TRegionDefinitions& rules = *styler->RegionDefinitions();
    for (int i = 0; i < rules.Count(); ++i) {
        const TRegionDefinition& rule = *rules.GetItem(i);
        if (word != UpperTrim(rule.Identifier()) && word != UpperTrim(rule.RegionStart()) &&
            word != UpperTrim(rule.RegionEnd()))
            continue;
        if (!rule.ShowComments())
            return false;
        size_t close = end;
        while (close < text.size() && !isCommentRight(text[close]))
            ++close;
        ruleIndex = i;
        caption = std::string(indent, ' ') + "[" + Trim(EncodeLine(text.substr(end, close - end))) + "]";
        return true;
    }
    return false;
}

// --- the caption and the box of a collapsed node's row
// -------------------------------------------------------------------------

bool TVezCustomMemo::RenderCollapsedCaption(const TStyle& style)
{
    FCollapsedCaption = false;
    // Only the screen shows captions: exported and printed text keeps every line's own text.
    if (FRender.Mode != 0 || FRenderSource || !ShowsNodeCaption(FRender.LineIndex))
        return false;
    int rule = 0;
    std::string caption;
    GetNodeCaption(FRender.LineIndex, rule, caption);
    FCollapsedCaption = true;
    EmitToken(DecodeLine(caption), style);
    return true;
}

void TVezCustomMemo::DrawCollapsedNodeBox(TCanvas& canvas)
{
    const TLineRender& r = FRender;
    if (!FCodeFolding->Enabled() || FCollapsedCaption || FRenderSource || !IsNode(r.LineIndex) ||
        GetExpandNode(r.LineIndex))
        return;
    const int x = r.Token.Left;
    const TRect& k = r.Token;
    canvas.Brush()->SetStyle(bsSolid);
    canvas.Brush()->SetColor(FBkColor);
    canvas.Pen()->SetColor(FCodeFolding->LineColor());
    canvas.Rectangle(x + 5, k.Top, x + 30, k.Bottom);
    for (const int dot : {9, 17, 25})
        canvas.Rectangle(x + dot, k.Bottom - 6, x + dot + 2, k.Bottom - 4);
}

// --- the folding strip
// ------------------------------------------------------------------------------------------

void TVezCustomMemo::PaintFoldingStrip(TCanvas& canvas)
{
    if (!FCodeFolding->Enabled() || FCodeFoldingNodeCount <= 0 || FCellSize.H == 0)
        return;
    const TVezMemoStrings& lines = *ActiveLines();
    int depth = 0;
    // The rows start at the top line's row: a top line that a collapse hid shows its node there.
    int line = VisIndexToLineIndex(LineIndexToVisIndex(FTopLine));
    for (int row = 0; row <= VisibleLineCount() && line < lines.Count(); ++row) {
        DrawFoldingMarks(canvas, line, row, depth);
        line = NextShownLine(lines, line);
    }
}

// The guide of the regions around the line, a tick where regions end, and the box of a node. depth counts
// the regions open above the row, for lines without marks of their own.
void TVezCustomMemo::DrawFoldingMarks(TCanvas& canvas, int line, int row, int& depth)
{
    const TRect strip = GetFoldingColumnRect();
    const TRect cell = CellRect(0, row);
    const TRect p = Rect(strip.Left, cell.Top, strip.Right, cell.Bottom);
    const int boxTop = p.Top + (p.Height() - BoxSize) / 2;
    const int guide = p.Left + GuideX;
    canvas.Pen()->SetColor(FCodeFolding->LineColor());
    canvas.Pen()->SetWidth(1);
    const TLineProp* prop = ActiveLines()->GetLineProp(line);
    if (!prop) {
        if (depth > 0)
            VerticalLine(canvas, guide, p.Top, p.Bottom);
        return;
    }
    if (prop->HasParent()) {
        const bool hidesToLastLine = !prop->Expanded() && GetNodeEndLine(line) == ActiveLines()->Count() - 1;
        VerticalLine(canvas, guide, p.Top, hidesToLastLine ? boxTop : p.Bottom);
        if (prop->LastChild()) {
            canvas.MoveTo(guide, p.Bottom);
            canvas.LineTo(p.Left + 10, p.Bottom);
            --depth;
        }
    }
    if (!prop->HasChildren())
        return;
    const bool expanded = prop->Expanded();
    if (expanded) {
        VerticalLine(canvas, guide, prop->HasParent() ? p.Top : boxTop, p.Bottom);
        ++depth;
    }
    DrawNodeBox(canvas, Rect(p.Left, boxTop, p.Right, boxTop + BoxSize), expanded);
}

// A box with a minus (open) or a plus (collapsed) sign, or the glyph the settings give for it, stretched
// into the strip when it is wider.
void TVezCustomMemo::DrawNodeBox(TCanvas& canvas, const TRect& place, bool expanded)
{
    TBitmap* glyph = expanded ? FCodeFolding->CollapsedGlyph() : FCodeFolding->ExpandGlyph();
    const bool drawGlyph = glyph && !glyph->Empty();
    canvas.Brush()->SetStyle(bsSolid);
    canvas.Brush()->SetColor(FBkColor);
    if (drawGlyph)
        canvas.Pen()->SetColor(FBkColor);
    const int left = place.Left + BoxLeft;
    canvas.Rectangle(left, place.Top, left + BoxSize, place.Top + BoxSize);
    if (drawGlyph) {
        if (glyph->Width() > place.Width())
            canvas.StretchDraw(place, glyph);
        else
            canvas.Draw(left, place.Top, glyph);
        return;
    }
    canvas.MoveTo(left + 2, place.Top + 4);
    canvas.LineTo(left + 7, place.Top + 4);
    if (!expanded) {
        canvas.MoveTo(left + 4, place.Top + 2);
        canvas.LineTo(left + 4, place.Top + 7);
    }
}
