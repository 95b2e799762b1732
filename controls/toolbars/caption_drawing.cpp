#include "controls/toolbars/caption_drawing.h"

#include "controls/toolbars/accel_text.h"
#include "controls/toolbars/dpi_scaling.h"
#include "controls/toolbars/system_queries.h"
#include "platform/gui/forms/system_parameters.h"
#include "platform/gui/graphics/colors.h"
#include "platform/gui/graphics/gdi.h"
#include "platform/gui/windows/system_metrics.h"
#include "support/utf8.h"

void FillGradient(TCanvas& canvas, const TRect& r, TColor startColor, TColor endColor, bool horizontal)
{
    GradientFill(canvas, r, startColor, endColor, horizontal ? GRADIENT_FILL_RECT_H : GRADIENT_FILL_RECT_V);
}

void DrawSmallCaption(TCanvas& canvas, const TRect& r, const std::string& caption, bool active)
{
    if (r.Left >= r.Right)
        return;
    const int background = active ? COLOR_ACTIVECAPTION : COLOR_INACTIVECAPTION;
    const int gradientEnd = active ? COLOR_GRADIENTACTIVECAPTION : COLOR_GRADIENTINACTIVECAPTION;
    const TColor textColor = GetSysColor(active ? COLOR_CAPTIONTEXT : COLOR_INACTIVECAPTIONTEXT);
    const int saved = SaveDC(canvas);
    if (QuerySystemParameter(SPI_GETGRADIENTCAPTIONS, 0) != 0 &&
        GetSysColor(background) != GetSysColor(gradientEnd))
        FillGradient(canvas, r, GetSysColor(background), GetSysColor(gradientEnd), true);
    else {
        canvas.Brush()->SetColor(SystemColor(static_cast<uint8_t>(background)));
        canvas.Brush()->SetStyle(bsSolid);
        canvas.FillRect(r);
    }
    TRect text = r;
    text.Left += GetSystemMetrics(SM_CXEDGE);
    TNonClientMetrics metrics;
    if (text.Left < text.Right && GetNonClientMetrics(metrics)) {
        SetFontFromLogFont(*canvas.Font(), metrics.lfSmCaptionFont);
        SetBkMode(canvas, TRANSPARENT);
        SetTextColor(canvas, textColor);
        DrawText(canvas, caption, text, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
    }
    RestoreDC(canvas, saved);
}

std::unique_ptr<TFont> CreateVerticalFont(const TCanvas& canvas)
{
    auto font = std::make_unique<TFont>();
    font->Assign(canvas.Font());
    font->SetOrientation(2700);
    return font;
}

namespace {

// The caption without its marks, and the position (in code points) of the marked character; -1 for none.
struct TUnmarkedCaption
{
    std::u32string text;
    int marked = -1;
};

TUnmarkedCaption Unmark(const std::string& s)
{
    TUnmarkedCaption result;
    const std::u32string text = Utf8ToUtf32(s);
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == U'&' && i + 1 < text.size()) {
            ++i;
            if (text[i] != U'&')
                result.marked = static_cast<int>(result.text.size());
        } else if (text[i] == U'&') {
            continue;
        }
        result.text += text[i];
    }
    return result;
}

} // namespace

void DrawVerticalText(TCanvas& canvas, const std::string& s, const TRect& r, unsigned format)
{
    const int saved = SaveDC(canvas);
    canvas.SetFont(CreateVerticalFont(canvas).get());
    const TTextMetric tm = canvas.TextMetrics();
    int x = r.Left + (r.Width() - tm.tmHeight) / 2;
    const int width = MeasureTextWidth(canvas, s, true);
    const TUnmarkedCaption caption = Unmark(s);
    const std::string text = Utf32ToUtf8(caption.text);
    const int y = r.Top + (r.Height() - width) / 2;
    const unsigned align = SetTextAlign(canvas, TA_BOTTOM);
    canvas.TextOut(x, y, text);
    SetTextAlign(canvas, align);
    if (caption.marked >= 0 && !(format & DT_HIDEPREFIX)) {
        const std::u32string before = caption.text.substr(0, static_cast<size_t>(caption.marked));
        const int a = canvas.TextWidth(Utf32ToUtf8(before));
        const int b = canvas.TextWidth(Utf32ToUtf8(caption.text.substr(before.size(), 1)));
        x += tm.tmDescent - ScaleForDPI(2);
        canvas.Pen()->SetColor(GetTextColor(canvas));
        canvas.Pen()->SetStyle(psSolid);
        canvas.Pen()->SetWidth(1);
        canvas.MoveTo(x, y + a);
        canvas.LineTo(x, y + a + b);
    }
    RestoreDC(canvas, saved);
}
