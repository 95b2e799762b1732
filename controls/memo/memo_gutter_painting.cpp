#include "controls/memo/gutter_settings.h"

#include "controls/memo/memo_drawing.h"
#include "controls/memo/vez_custom_memo.h"
#include "platform/gui/graphics/bitmap.h"

// The gutter's painting: its background (flat or a gradient from left to right), its border, and a row for
// every line shown, drawn by the memo's OnGutterDraw into an off-screen picture that then goes onto the
// memo in one copy. The folding strip right of the gutter is painted with the folding.

namespace {

constexpr int GradientBands = 48;

} // namespace

void TVezGutter::DrawGutter(TCanvas& canvas)
{
    if (Width <= 0 || Height <= 0)
        return;
    TBitmap picture;
    picture.SetSize(Width + 2, Height - 1);
    TCanvas& target = *picture.Canvas();
    FillBackground(target, picture.Width(), picture.Height());
    DrawBorder(target, picture.Height());
    if (memo_->OnGutterDraw)
        DrawRows(target, memo_->Ctl3D() ? Width - 2 : Width);
    canvas.Draw(Left, Top, &picture);
}

void TVezGutter::FillBackground(TCanvas& canvas, int width, int height) const
{
    if (FColorTo == clNone) {
        canvas.Brush()->SetStyle(bsSolid);
        canvas.Brush()->SetColor(FColor);
        canvas.FillRect(Rect(0, 0, width, height));
        return;
    }
    DrawGradient(canvas, FColor, FColorTo, GradientBands, Rect(0, 0, width, height), true);
}

void TVezGutter::DrawBorder(TCanvas& canvas, int height) const
{
    canvas.Pen()->SetWidth(1);
    canvas.Pen()->SetColor(borderColor_);
    canvas.MoveTo(Width, 0);
    canvas.LineTo(Width, height);
    if (!memo_->Ctl3D())
        return;
    canvas.Pen()->SetColor(clWhite);
    canvas.MoveTo(Width - 2, 0);
    canvas.LineTo(Width - 2, height);
}

// The rows from the top line on; a row that continues a wrapped line gets no number and no marks, so the
// numbers count the author's lines. An empty document still shows its first row.
void TVezGutter::DrawRows(TCanvas& canvas, int rowWidth) const
{
    const int rowHeight = memo_->CellSize().H;
    if (rowHeight <= 0)
        return;
    const int count = memo_->ActiveLines()->Count();
    int row = memo_->LineIndexToVisIndex(memo_->TopLine());
    for (int y = Top; y < Top + Height; y += rowHeight, ++row) {
        const int line = memo_->VisIndexToLineIndex(row);
        if (line >= count && !(line == 0 && count == 0))
            break;
        if (memo_->IsWrappedLine(line))
            continue;
        memo_->OnGutterDraw(memo_, &canvas, memo_->GetWrappedLineIndex(line),
                            Rect(Left, y, Left + rowWidth, y + rowHeight));
    }
}

std::string TVezGutter::GetLineNumberText(int n, int& x) const
{
    std::string text = std::to_string(n);
    if (showLeadingZeros_ && static_cast<int>(text.size()) < digitCount_)
        text.insert(0, static_cast<size_t>(digitCount_) - text.size(), '0');
    TCanvas& canvas = *memo_->Canvas();
    TFont kept;
    kept.Assign(canvas.Font());
    canvas.Font()->Assign(font_.get());
    const int w = canvas.TextWidth("W");
    canvas.Font()->Assign(&kept);
    // Shorter numbers start further right, so that the last digits of up to four stand in one column.
    x = gutterWidth_ - gutterMargin_ + w * std::max(4 - static_cast<int>(text.size()), 0);
    return text;
}

// --- the memo's side
// ----------------------------------------------------------------------------------------

void TVezCustomMemo::PaintGutterStrip(TCanvas& canvas)
{
    FGutter->DrawGutter(canvas);
}
