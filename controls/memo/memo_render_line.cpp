#include "controls/memo/vez_custom_memo.h"

#include "platform/gui/graphics/canvas.h"

#include <algorithm>

// One routine makes every visible form of a line: RenderLine sets up the line, the tokeniser cuts it into
// runs of one style, and each run goes to the output of the mode: pixels, HTML, RTF or list items.

namespace {

// Hands the tokeniser's runs to the memo's output of the mode.
class TMemoRuns : public TRunSink
{
public:
    explicit TMemoRuns(std::function<void(const TLineText&, const TStyle&)> emit,
                       std::function<void(const TLineText&)> drawKeyword)
        : emit_(std::move(emit)), drawKeyword_(std::move(drawKeyword))
    {}
    void EmitRun(const TLineText& text, const TStyle& style) override { emit_(text, style); }
    void DrawKeyword(const TLineText& word) override { drawKeyword_(word); }

private:
    std::function<void(const TLineText&, const TStyle&)> emit_;
    std::function<void(const TLineText&)> drawKeyword_;
};

} // namespace

void TVezCustomMemo::RenderLine(TCanvas* canvas, int lineIndex, TStyle& style, int mode, TRect rect,
                                int visibleRow)
{
    const TTokenizerSettings& settings = TokenizerSettings();
    SetUpLineRender(canvas, lineIndex, mode, rect, visibleRow);
    TLineRender& r = FRender;
    if (lineIndex >= RenderLineCount()) {
        if (mode == 0 || mode == 3 || mode == 2) {
            TCanvas& target = *r.Target;
            target.Brush()->SetStyle(bsSolid);
            target.Brush()->SetColor(FBkColor);
            target.FillRect(mode == 2 ? rect : r.Row);
        }
        return;
    }
    const TLineText text = RenderedText(lineIndex);
    if ((mode == 2 || mode == 3) && FPrintOptions->PrintLineNumbers)
        DrawPrintLineNumber();
    TMemoRuns runs([this](const TLineText& run, const TStyle& runStyle) { EmitToken(run, runStyle); },
                   [this](const TLineText& word) {
                       if (FRender.Canvas && ActiveStyler())
                           ActiveStyler()->DrawKeyword(*FRender.Canvas, EncodeLine(word), FRender.Token);
                   });
    FHtmlLine.clear();
    if (!RenderCollapsedCaption(style))
        TLineTokenizer(settings, runs).Line(text, style);
    if (Painting())
        PaintLineTail();
    if (mode == 1 && FHtml->Count() > 0)
        FHtml->Put(FHtml->Count() - 1, FHtml->Get(FHtml->Count() - 1) + FHtmlLine);
}

int TVezCustomMemo::RenderLineCount() const
{
    return FRenderSource ? static_cast<int>(FRenderSource->size()) : ActiveLines()->Count();
}

void TVezCustomMemo::RenderLines(const std::vector<TLineText>& lines, int fromLine, int toLine, int mode,
                                 const std::function<void()>& lineStart, const std::function<void()>& lineEnd)
{
    Htmlfont.clear();
    TRenderSource source(*this, lines);
    TStyle style;
    const int count = static_cast<int>(lines.size());
    const int first = fromLine == -1 ? 0 : std::max(std::min(fromLine, toLine), 0);
    const int last = fromLine == -1 ? count - 1 : std::min(std::max(fromLine, toLine), count - 1);
    for (int line = first; line <= last; ++line) {
        lineStart();
        RenderLine(Canvas(), line, style, mode, TRect(), -1);
        lineEnd();
    }
}

void TVezCustomMemo::SetUpLineRender(TCanvas* canvas, int lineIndex, int mode, const TRect& rect,
                                     int visibleRow)
{
    TLineRender& r = FRender;
    r = TLineRender();
    r.LineIndex = lineIndex;
    r.Mode = mode;
    r.Target = canvas;
    r.Canvas = mode == 0 || mode == 3 ? FLineBitmap->Canvas() : canvas;
    if (!FRenderSource)
        OrderedSelection(r.SelX1, r.SelY1, r.SelX2, r.SelY2);
    if (FBandColor != clNone && lineIndex % 2 == 1)
        r.LineBk = FBandColor;
    DoLineBkColor(lineIndex, r.LineBk);
    if (!Painting())
        return;
    r.TextArea = GetTextAreaRect();
    const int row = FCodeFolding->Enabled() && visibleRow >= 0 ? visibleRow : lineIndex;
    const TRect cell = CellRect(0, row - FTopLine);
    r.Row = Rect(r.TextArea.Left, cell.Top, r.TextArea.Right, cell.Bottom);
    r.Place = mode == 0 ? r.Row : rect;
    r.CharWidth = mode == 0 ? FCellSize.W : r.Canvas->TextWidth("w");
    if (mode == 3 && (FLineBitmap->Width() < rect.Width() || FLineBitmap->Height() < rect.Height()))
        FLineBitmap->SetSize(std::max(FLineBitmap->Width(), rect.Width()),
                             std::max(FLineBitmap->Height(), rect.Height()));
    if (mode == 0 || mode == 3) {
        TCanvas& bitmap = *r.Canvas;
        bitmap.Brush()->SetStyle(bsSolid);
        bitmap.Brush()->SetColor(FBkColor);
        bitmap.Pen()->SetColor(FBkColor);
        bitmap.FillRect(Rect(0, 0, std::max(r.TextArea.Right, r.Place.Width()), r.Place.Height()));
    }
    // Runs are drawn into the line bitmap from its left edge, or onto the caller's canvas in the rectangle.
    r.Token = mode == 2 ? rect : Rect(0, 0, r.Place.Width(), r.Place.Height());
    if (mode == 0)
        r.Token.Left -= FLeftCol * FCellSize.W;
}

// The line as it is drawn: an empty line inside the selection as one space, so that the selection shows on
// it; a line inside a block selection padded to the block's right edge.
TLineText TVezCustomMemo::RenderedText(int lineIndex) const
{
    if (FRenderSource)
        return (*FRenderSource)[static_cast<size_t>(lineIndex)];
    const TLineRender& r = FRender;
    TLineText text = LineAt(lineIndex);
    const bool selected = r.SelX1 != r.SelX2 || r.SelY1 != r.SelY2;
    const auto blank = [](char32_t ch) { return ch <= U' '; };
    if (selected && r.SelY1 <= lineIndex && lineIndex <= r.SelY2 &&
        std::all_of(text.begin(), text.end(), blank))
        text = U" ";
    const TRect& block = FBlockSelection;
    if (FSelectionMode == smBlock && block.Top <= lineIndex && lineIndex <= block.Bottom)
        text += Spaces(block.Right - static_cast<int>(text.size()) + 1);
    return text;
}

void TVezCustomMemo::DrawPrintLineNumber()
{
    TLineRender& r = FRender;
    const int number = r.LineIndex + FGutter->LineNumberStart();
    const std::string widest = std::to_string(ActiveLines()->Count()) + FGutter->NumberSuffix();
    std::string text = std::to_string(number);
    if (FGutter->ShowLeadingZeros() && text.size() < widest.size() - FGutter->NumberSuffix().size())
        text.insert(0, widest.size() - FGutter->NumberSuffix().size() - text.size(), '0');
    text += FGutter->NumberSuffix();
    TCanvas& canvas = *r.Canvas;
    const int w = canvas.TextWidth("w");
    canvas.Font()->SetStyle({});
    canvas.Font()->SetColor(clBlack);
    canvas.Brush()->SetStyle(bsClear);
    r.Token.Left += (LineLength(widest) - LineLength(text)) * w;
    canvas.TextOut(r.Token.Left, r.Token.Top, text);
    r.Token.Left += LineLength(text) * w;
}

// --- the look of a run
// ----------------------------------------------------------------------------------------

void TVezCustomMemo::ApplyElementStyle(TRunLook& look, int index, bool keepNone) const
{
    const TVezCustomMemoStyler* styler = ActiveStyler();
    if (!styler || index < 0 || index >= styler->AllStyles()->Count()) {
        look = {FFont->Color(), FFont->Style(), FBkColor};
        return;
    }
    const TElementStyle& element = *styler->AllStyles()->GetItem(index);
    look.Text = element.Font()->Color();
    look.Style = element.Font()->Style();
    look.Back = element.BGColor() != clNone || keepNone ? element.BGColor() : FBkColor;
}

bool TVezCustomMemo::IsBreakpointLine(int line) const
{
    const TLineProp* prop = ActiveLines()->GetLineProp(line);
    return prop && prop->BreakPoint;
}

bool TVezCustomMemo::IsActiveLineShown(int line) const
{
    return line == FActiveLine && FActiveLineSettings->ShowActiveLine();
}

TVezCustomMemo::TRunLook TVezCustomMemo::RunLook(const TStyle& style, bool painting, bool keepNone) const
{
    TRunLook look{FFont->Color(), FFont->Style(), FBkColor};
    const TVezCustomMemoStyler* styler = FUseStyler ? ActiveStyler() : nullptr;
    const auto applyCharStyle = [&look](const TCharStyle& charStyle) {
        look.Text = charStyle.TextColor();
        look.Style = charStyle.Style();
        if (charStyle.BkColor() != clNone)
            look.Back = charStyle.BkColor();
    };
    if (painting && style.isHighlight && styler) {
        const TCharStyle& highlight = *styler->HighlightStyle();
        look = {highlight.TextColor(), highlight.Style(), highlight.BkColor()};
    } else if (style.isComment > 0 && !style.isURL) {
        if (style.index != -1)
            ApplyElementStyle(look, style.index, keepNone);
        else if (styler)
            applyCharStyle(*styler->CommentStyle());
    } else if (style.isBracket && !style.isURL) {
        ApplyElementStyle(look, style.index, keepNone);
    } else {
        if (style.isnumber && styler)
            applyCharStyle(*styler->NumberStyle());
        if (style.isdelimiter)
            ApplyElementStyle(look, style.index, keepNone);
        if (style.iskeyWord)
            ApplyElementStyle(look, style.index, keepNone);
        if (style.isURL)
            applyCharStyle(*FUrlStyle);
    }
    if (!painting)
        return look;
    const int line = FRender.LineIndex;
    if (FRender.LineBk != clNone)
        look.Back = FRender.LineBk;
    if (FRender.Mode == 0 && IsActiveLineShown(line)) {
        if (FActiveLineSettings->ActiveLineTextColor() != clNone)
            look.Text = FActiveLineSettings->ActiveLineTextColor();
        if (FActiveLineSettings->ActiveLineColor() != clNone)
            look.Back = FActiveLineSettings->ActiveLineColor();
    }
    if (FRender.Mode == 0 && IsBreakpointLine(line)) {
        look.Text = FBreakpointTextColor;
        look.Back = FBreakpointColor;
    }
    if (FCollapsedCaption)
        look.Text = FCodeFolding->LineColor();
    return look;
}

void TVezCustomMemo::EmitToken(const TLineText& text, const TStyle& style)
{
    if (text.empty())
        return;
    switch (FRender.Mode) {
    case 1:
        EmitHTMLToken(text, style);
        break;
    case 4:
        EmitRTFToken(text, style);
        break;
    case 5:
        EmitPartItem(text, style);
        break;
    default:
        PaintRun(text, style);
        break;
    }
    FRender.Column += static_cast<int>(text.size());
}
