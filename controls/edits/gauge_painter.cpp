#include "controls/edits/gauge_painter.h"

#include "controls/edits/banded_gradient.h"
#include "platform/gui/graphics/gdi.h"
#include "support/math_routines.h"

#include <algorithm>

namespace {

constexpr TColor RoundedKey = 0xFF00FF; // the corners outside the rounded outline: drawn transparent

struct TColorPair
{
    TColor color;
    TColor colorTo;
};

int RoundPercentOf(double percent, int length)
{
    return static_cast<int>(RoundHalfEven(percent / 100.0 * length));
}

class TGaugePainter
{
public:
    TGaugePainter(TCanvas& canvas, const TRect& rect, const TGaugeSettings& settings)
        : canvas_(canvas), r_(rect), s_(settings), horizontal_(settings.Orientation == goHorizontal)
    {}

    void Paint()
    {
        w_ = horizontal_ ? r_.Width() : r_.Height();
        if (s_.Rounded)
            Solid(r_, RoundedKey);
        int percent = s_.Position;
        level1_ = s_.Level1Perc;
        level2_ = s_.Level2Perc;
        if (s_.Infinite) {
            percent = 100;
            level1_ = level2_ = 101;
        }
        Outline();
        if (!s_.ShowBorder)
            InflateRect(r_, 1, 1);
        w_ -= 2;
        Zones();
        // The fill never passes the end of the bar, even for a percentage above 100.
        fill_ = std::min(percent, 100);
        if (fill_ > 0) {
            if (s_.Stacked)
                StackedFill();
            else
                LevelFill();
        }
        if (s_.Infinite)
            InfiniteWindow();
        if (s_.ShowPosition)
            Text(percent);
    }

private:
    void Solid(const TRect& rect, TColor color)
    {
        canvas_.Brush()->SetStyle(bsSolid);
        canvas_.Brush()->SetColor(color);
        canvas_.Pen()->SetColor(color);
        canvas_.Rectangle(rect);
    }

    void Outline()
    {
        canvas_.Brush()->SetStyle(bsSolid);
        canvas_.Brush()->SetColor(s_.BackgroundColor);
        canvas_.Pen()->SetColor(s_.ShowBorder ? s_.BorderColor : s_.BackgroundColor);
        if (s_.Rounded)
            canvas_.RoundRect(r_.Left, r_.Top, r_.Right, r_.Bottom, 6, 6);
        else
            canvas_.Rectangle(r_);
    }

    // The rectangle of a stretch of the bar: from..to along it (from the left, or up from the bottom).
    TRect Stretch(int from, int to, int inset) const
    {
        if (horizontal_)
            return {r_.Left + from, r_.Top + inset, r_.Left + to, r_.Bottom - inset};
        return {r_.Left + inset, r_.Bottom - to, r_.Right - inset, r_.Bottom - from};
    }

    void Zones()
    {
        const TColor colors[] = {s_.Level0BkColor, s_.Level1BkColor, s_.Level2BkColor};
        if (std::all_of(std::begin(colors), std::end(colors), [](TColor c) { return c == clNone; }))
            return;
        const int b0 = RoundPercentOf(s_.Level1Perc, w_);
        const int b1 = static_cast<int>(RoundHalfEven(w_ * (s_.Level2Perc - s_.Level1Perc) / 100.0));
        const int b2 = w_ - b0 - b1;
        TRect zones[3];
        if (horizontal_) {
            zones[0] = {r_.Left + 2, r_.Top + 1, r_.Left + b0, r_.Bottom - 1};
            zones[1] = {zones[0].Right, r_.Top + 1, zones[0].Right + b1, r_.Bottom - 1};
            zones[2] = {zones[1].Right, r_.Top + 1, zones[1].Right + b2, r_.Bottom - 1};
        } else {
            zones[0] = {r_.Left + 1, r_.Bottom - b0 + 1, r_.Right - 1, r_.Bottom - 2};
            zones[1] = {r_.Left + 1, zones[0].Top - b1, r_.Right - 1, zones[0].Top};
            zones[2] = {r_.Left + 1, zones[1].Top - 1 - b2, r_.Right - 1, zones[1].Top - 1};
        }
        for (int i = 0; i < 3; ++i)
            if (colors[i] != clNone)
                Solid(zones[i], colors[i]);
    }

    // A level's colours: banded with colorTo on both long edges and color in the middle, or solid.
    void Fill(const TRect& rect, TColorPair pair)
    {
        if (!s_.ShowGradient) {
            Solid(rect, pair.color);
            return;
        }
        TRect first = rect, second = rect;
        if (horizontal_)
            first.Bottom = second.Top = rect.Top + (rect.Bottom - rect.Top) / 2;
        else
            first.Right = second.Left = rect.Left + (rect.Right - rect.Left) / 2;
        DrawBandedGradient(canvas_, first, pair.colorTo, pair.color, s_.Steps, !horizontal_);
        DrawBandedGradient(canvas_, second, pair.color, pair.colorTo, s_.Steps, !horizontal_);
    }

    TColorPair Level(int level) const
    {
        switch (level) {
        case 0:
            return {s_.Level0Color, s_.Level0ColorTo};
        case 1:
            return {s_.Level1Color, s_.Level1ColorTo};
        case 2:
            return {s_.Level2Color, s_.Level2ColorTo};
        }
        return {s_.Level3Color, s_.Level3ColorTo};
    }

    // Up to three segments, each in the colours of a level the percentage has passed.
    void StackedFill()
    {
        const bool inFirst = fill_ < level1_;
        const int l0 = RoundPercentOf(inFirst ? fill_ : level1_, w_);
        TRect segment = horizontal_ ? TRect{r_.Left + 1, r_.Top + 1, r_.Left + 1 + l0, r_.Bottom - 1}
                                    : TRect{r_.Left + 1, r_.Bottom - l0 + 1, r_.Right - 1, r_.Bottom - 2};
        Fill(segment, Level(0));
        if (inFirst)
            return;
        const bool inSecond = fill_ < level2_;
        const int l1 = static_cast<int>(RoundHalfEven(w_ * ((inSecond ? fill_ : level2_) - level1_) / 100.0));
        segment = horizontal_ ? TRect{segment.Right, r_.Top + 1, segment.Right + l1, r_.Bottom - 1}
                              : TRect{r_.Left + 1, segment.Top - l1, r_.Right - 1, segment.Top};
        Fill(segment, Level(1));
        if (inSecond)
            return;
        const int l2 =
            fill_ == 100 ? w_ - l0 - l1 : static_cast<int>(RoundHalfEven(w_ * (fill_ - level2_) / 100.0));
        segment = horizontal_ ? TRect{segment.Right, r_.Top + 1, segment.Right + l2, r_.Bottom - 1}
                              : TRect{r_.Left + 1, segment.Top - 1 - l2, r_.Right - 1, segment.Top - 1};
        Fill(segment, Level(2));
    }

    void LevelFill()
    {
        const TColorPair pair = Level(fill_ < level1_ ? 0 : fill_ < level2_ ? 1 : fill_ < 100 ? 2 : 3);
        if (s_.CompletionSmooth) {
            Fill(Stretch(2, RoundPercentOf(fill_, w_), 2), pair);
            return;
        }
        const int n = static_cast<int>(RoundHalfEven(static_cast<double>(fill_ * w_) / 100.0));
        if (n <= 9) {
            if (n > 1)
                Fill(Stretch(2, 1 + n, 2), pair);
            return;
        }
        int from = 2;
        for (int block = 0; block < n / 9; ++block, from += 9)
            Fill(Stretch(from, from + 7, 2), pair);
        if (n % 9 >= 2) {
            TRect last = Stretch(from, from + n % 9 - 2, 2);
            last.Top = std::max(last.Top, r_.Top + 2);
            Fill(last, pair);
        }
    }

    void InfiniteWindow()
    {
        const int extent = horizontal_ ? r_.Width() : r_.Height();
        const int d = extent > 4 ? RoundPercentOf(s_.InfinitePos, extent - 4) : 0;
        const TRect& r = r_;
        if (horizontal_) {
            Solid({r.Left + 2, r.Top + 1, std::max(r.Left + 2, r.Left + d - 10), r.Bottom - 1},
                  s_.BackgroundColor);
            Solid({std::min(r.Right - 2, r.Left + d + 12), r.Top + 2, r.Right - 2, r.Bottom - 2},
                  s_.BackgroundColor);
        } else {
            Solid({r.Left + 2, r.Top + 2, r.Right - 2, std::max(r.Top + 2, r.Top + d - 10)},
                  s_.BackgroundColor);
            Solid({r.Left + 2, std::min(r.Bottom - 2, r.Top + d + 12), r.Right - 2, r.Bottom - 2},
                  s_.BackgroundColor);
        }
    }

    void Text(int percent)
    {
        canvas_.Brush()->SetStyle(bsClear);
        if (s_.Font)
            canvas_.SetFont(s_.Font);
        const std::string percentText = std::to_string(percent) + "%";
        std::string text = s_.ShowPercentage ? percentText : std::to_string(s_.Value);
        if (!s_.Format.empty())
            text = FormatTwoIntegers(s_.Format, s_.Value, s_.Max).value_or(percentText);
        const TSize size = canvas_.TextExtent(text);
        const TRect& r = r_;
        if (horizontal_) {
            canvas_.TextOut(r.Left + r.Width() / 2 - size.cx / 2, r.Top + r.Height() / 2 - size.cy / 2, text);
            return;
        }
        const int orientation = canvas_.Font()->Orientation();
        canvas_.Font()->SetOrientation(900);
        canvas_.TextOut(r.Left + r.Width() / 2 - size.cy / 2, r.Top + r.Height() / 2 + size.cx / 2, text);
        canvas_.Font()->SetOrientation(orientation);
    }

    TCanvas& canvas_;
    TRect r_;
    const TGaugeSettings& s_;
    const bool horizontal_;
    int w_ = 0;      // the bar's inner length
    int level1_ = 0; // the thresholds in force (101 in infinite mode)
    int level2_ = 0;
    int fill_ = 0; // the percentage filled, at most 100
};

} // namespace

void DrawGauge(TCanvas& canvas, const TRect& rect, const TGaugeSettings& settings)
{
    TGaugePainter(canvas, rect, settings).Paint();
}
