// The HTML-like label's picture: its words, rules, bullets, colour strips and pictures drawn into one
// picture of the text area, which is then copied onto the label in one go, and the border around it.

#include "controls/pack/html_text_label.h"
#include "platform/gui/graphics/gdi.h"
#include "support/number_conversion.h"

#include <algorithm>

class THTMLPainter
{
public:
    explicit THTMLPainter(TVhHTMLText2& label) : Lb(label) {}
    void PaintWords(TCanvas& control);

private:
    void PaintWord(TCanvas& canvas, const TVHWord& word);
    void PaintImage(TCanvas& canvas, const TVHWord& word);
    void PaintRule(TCanvas& canvas, const TVHWord& word);
    void PaintBullet(TCanvas& canvas, const TVHWord& word);
    void PaintText(TCanvas& canvas, const TVHWord& word);
    int TopOffset() const;
    void PaintBorder(TCanvas& control);

    TVhHTMLText2& Lb;
    int width_ = 0; // of the text area
};

namespace {

void FillWith(TCanvas& canvas, const TRect& rect, TColor color)
{
    canvas.Brush()->SetStyle(bsSolid);
    canvas.Brush()->SetColor(color);
    canvas.FillRect(rect);
}

} // namespace

void TVhHTMLText2::Paint()
{
    TGraphicControl::Paint();
    EnsureWords();
    THTMLPainter(*this).PaintWords(*Canvas());
}

void THTMLPainter::PaintWords(TCanvas& control)
{
    width_ = Lb.FBitmapWidth;
    control.Brush()->SetStyle(bsSolid);
    control.Brush()->SetColor(Lb.Color());
    control.Pen()->SetStyle(psSolid);
    control.Pen()->SetWidth(1);
    control.Pen()->SetColor(Lb.Color());
    control.Rectangle(Lb.ClientRect());
    Lb.FBitmapTop = TopOffset();
    const int left = Lb.FInternalMargins->Enabled() ? Lb.FInternalMargins->Left() : 0;
    // The picture covers the part of the text area the canvas shows, however large the label is.
    const TRect area = Bounds(left, Lb.FBitmapTop, width_, Lb.Height());
    const TRect clip = control.ClipRect();
    const TRect shown{std::max(area.Left, clip.Left), std::max(area.Top, clip.Top),
                      std::min(area.Right, clip.Right), std::min(area.Bottom, clip.Bottom)};
    if (shown.Width() > 0 && shown.Height() > 0) {
        TBitmap picture(shown.Width(), shown.Height(), pf24bit);
        TCanvas& canvas = *picture.Canvas();
        MoveWindowOrg(canvas, area.Left - shown.Left, area.Top - shown.Top);
        FillWith(canvas, {0, 0, width_, Lb.Height()}, Lb.Color());
        for (const TVHWord& word : Lb.LWords)
            PaintWord(canvas, word);
        control.Draw(shown.Left, shown.Top, &picture);
    }
    PaintBorder(control);
}

int THTMLPainter::TopOffset() const
{
    const int height = Lb.Height(), text = Lb.FTextHeight;
    if (Lb.FAutoHeight || text >= height)
        return 0;
    switch (Lb.FVerticalAlignment) {
    case vaTop:
        return 0;
    case vaCenter:
        return height / 2 - text / 2;
    case vaBottom:
        return height - text;
    }
    return 0;
}

void THTMLPainter::PaintWord(TCanvas& canvas, const TVHWord& word)
{
    canvas.SetFont(word.Font.get());
    canvas.Brush()->SetStyle(word.BColor == clNone ? bsClear : bsSolid);
    if (word.BColor != clNone)
        canvas.Brush()->SetColor(word.BColor);
    const TRect& r = word.Rect;
    switch (word.TagID) {
    case wtColorStrip:
        if (word.ExtraColor != clNone)
            FillWith(canvas, {r.Left, r.Top, r.Left + width_, r.Bottom}, word.ExtraColor);
        break;
    case wtLine:
        if (word.ExtraColor != clNone) {
            canvas.Pen()->SetStyle(psSolid);
            canvas.Pen()->SetWidth(1);
            canvas.Pen()->SetColor(word.ExtraColor);
            canvas.MoveTo(r.Left, r.Top);
            canvas.LineTo(r.Left + width_, r.Top);
        }
        break;
    case wtBodyColor:
        if (word.ExtraColor != clNone)
            FillWith(canvas, {0, r.Top, width_, r.Top + Lb.Height()}, word.ExtraColor);
        break;
    case wtImage:
        PaintImage(canvas, word);
        break;
    case wtRule:
        PaintRule(canvas, word);
        break;
    case wtBullet:
    case wtBullet2:
        PaintBullet(canvas, word);
        break;
    default:
        PaintText(canvas, word);
    }
}

void THTMLPainter::PaintImage(TCanvas& canvas, const TVHWord& word)
{
    // A number names a picture of the collection; anything else a PNG file ("\" stands for "/").
    std::string reference = word.Text;
    std::replace(reference.begin(), reference.end(), '\\', '/');
    std::unique_ptr<TPngImage> fromFile;
    TPngImage* image = nullptr;
    if (int32_t index = 0; TryStringToInt(reference, index)) {
        image = Lb.GetPngImage(index);
    } else if (!reference.empty()) {
        fromFile = TVhHTMLText2::GetPngImageFromFile(reference);
        image = fromFile.get();
    }
    if (!image || image->Empty())
        return;
    int x = word.Rect.Left;
    if (word.Align == taRightJustify)
        x = word.Rect.Right - image->Width();
    else if (word.Align == taCenter)
        x = word.Rect.Left - image->Width() / 2;
    canvas.Draw(x, word.Rect.Top, image);
}

void THTMLPainter::PaintRule(TCanvas& canvas, const TVHWord& word)
{
    const TRect& r = word.Rect;
    const TVHTagHRParams& rule = *Lb.FTagHRParams;
    canvas.Pen()->SetColor(word.Font->Color());
    canvas.Pen()->SetWidth(1);
    canvas.Pen()->SetStyle(rule.Style());
    const int first = r.Top + r.Height() / 2 - rule.LineHeight() / 2;
    for (int i = 0; i < std::min(rule.LineHeight(), Lb.Height()); ++i) {
        canvas.MoveTo(r.Left, first + i);
        canvas.LineTo(r.Right, first + i);
    }
    canvas.Pen()->SetStyle(psSolid);
}

void THTMLPainter::PaintBullet(TCanvas& canvas, const TVHWord& word)
{
    const TVHTagLIParams& list =
        word.TagID == wtBullet ? static_cast<const TVHTagLIParams&>(*Lb.FTagLIParams) : *Lb.FTagLI2Params;
    const std::string bullet = !word.Text.empty() ? word.Text : list.Bullet();
    canvas.TextOut(word.Rect.Left - list.Spacing() - canvas.TextWidth(bullet), word.Rect.Top, bullet);
}

void THTMLPainter::PaintText(TCanvas& canvas, const TVHWord& word)
{
    if (word.Link) {
        const TVHStyleLinkProp& style = word.Hover ? *Lb.FStyleLinkHover : *Lb.FStyleLinkNormal;
        if (style.FontColor() != clNone)
            canvas.Font()->SetColor(style.FontColor());
        if (style.BackColor() != clNone) {
            canvas.Brush()->SetStyle(bsSolid);
            canvas.Brush()->SetColor(style.BackColor());
        }
        if (style.Underline())
            canvas.Font()->SetStyle(canvas.Font()->Style() + TFontStyles{fsUnderline});
    }
    TRect rect = word.Rect;
    DrawText(canvas, word.Text, rect, DT_SINGLELINE | DT_BOTTOM | DT_NOPREFIX | DT_NOCLIP);
}

void THTMLPainter::PaintBorder(TCanvas& control)
{
    const TVHBorder& border = *Lb.FBorder;
    if (!border.Visible())
        return;
    control.SetPen(border.Pen());
    control.Pen()->SetWidth(1);
    control.Brush()->SetStyle(bsClear);
    TRect r = Lb.ClientRect();
    --r.Right;
    --r.Bottom;
    for (int ring = 0; ring < border.Pen()->Width() && r.Width() >= 0 && r.Height() >= 0; ++ring) {
        control.Polyline(
            {{r.Left, r.Top}, {r.Right, r.Top}, {r.Right, r.Bottom}, {r.Left, r.Bottom}, {r.Left, r.Top}});
        InflateRect(r, -1, -1);
    }
    control.Brush()->SetStyle(bsSolid);
}
