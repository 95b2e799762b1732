// Our canvas against a plain painter on the same image: 10,000 fills, 10,000 lines, 10,000 text outputs
// and 10,000 text outputs that each change the font first. Prints canvas time / painter time per kind at the
// end; the goal is at most 1.3.

#include "platform/gui/graphics/bitmap.h"
#include "platform/gui/graphics/canvas.h"
#include "platform/gui/qt/bitmap_impl.h"
#include "platform/gui/qt/qt_bridge.h"
#include "ratio_reporter.h"

#include <QApplication>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace {

constexpr int Count = 10000;
constexpr int Size = 512;

// The same shapes, colours and texts for both sides.
struct TWork
{
    TWork()
    {
        for (int i = 0; i < Count; ++i) {
            const int x = (i * 37) % (Size - 40), y = (i * 91) % (Size - 20);
            Rects.push_back({x, y, x + 8 + i % 32, y + 4 + i % 16});
            Colors.push_back(static_cast<TColor>((i * 2654435761u) & 0x00FFFFFF));
            // Lines in every direction, including the ones drawn backwards.
            Lines.push_back({x, y, x + (i % 41) - 20, y + (i % 29) - 14});
            Texts.push_back("Row " + std::to_string(i) + " 12.5 MB");
            QTexts.push_back(QString::fromStdString(Texts.back()));
        }
    }
    static QColor ToQ(TColor c) { return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF); }

    std::vector<TRect> Rects;
    std::vector<TColor> Colors;
    std::vector<TRect> Lines; // from (Left, Top) to (Right, Bottom)
    std::vector<std::string> Texts;
    std::vector<QString> QTexts;
};

const TWork& Work()
{
    static const TWork work;
    return work;
}

// The canvas's bitmap and a plain image of the same format with the same font.
struct TSurfaces
{
    TSurfaces() : bitmap(Size, Size, pfDevice), image(Size, Size, bitmap.Internal().image.format())
    {
        image.fill(Qt::white);
        canvas = bitmap.Canvas();
        canvas->Font()->SetName("DejaVu Sans");
        canvas->Font()->SetSize(9);
    }
    TBitmap bitmap;
    TCanvas* canvas;
    QImage image;
};

void BM_CanvasFills(benchmark::State& state)
{
    TSurfaces s;
    const TWork& w = Work();
    for (auto _ : state)
        for (int i = 0; i < Count; ++i) {
            s.canvas->Brush()->SetColor(w.Colors[i]);
            s.canvas->FillRect(w.Rects[i]);
        }
}

void BM_PainterFills(benchmark::State& state)
{
    TSurfaces s;
    const TWork& w = Work();
    QPainter p(&s.image);
    for (auto _ : state)
        for (int i = 0; i < Count; ++i) {
            const TRect& r = w.Rects[i];
            p.fillRect(QRect(r.Left, r.Top, r.Right - r.Left, r.Bottom - r.Top), TWork::ToQ(w.Colors[i]));
        }
}

void BM_CanvasLines(benchmark::State& state)
{
    TSurfaces s;
    const TWork& w = Work();
    for (auto _ : state)
        for (int i = 0; i < Count; ++i) {
            const TRect& l = w.Lines[i];
            s.canvas->Pen()->SetColor(w.Colors[i]);
            s.canvas->MoveTo(l.Left, l.Top);
            s.canvas->LineTo(l.Right, l.Bottom);
        }
}

void BM_PainterLines(benchmark::State& state)
{
    TSurfaces s;
    const TWork& w = Work();
    QPainter p(&s.image);
    for (auto _ : state)
        for (int i = 0; i < Count; ++i) {
            const TRect& l = w.Lines[i];
            QPen pen(TWork::ToQ(w.Colors[i]), 1);
            pen.setCosmetic(true);
            p.setPen(pen);
            p.drawLine(l.Left, l.Top, l.Right, l.Bottom);
        }
}

void BM_PainterText(benchmark::State& state)
{
    TSurfaces s;
    const TWork& w = Work();
    QPainter p(&s.image);
    const QFont font = ToQFont(*s.canvas->Font());
    p.setFont(font);
    p.setPen(Qt::black);
    const int ascent = QFontMetrics(font).ascent();
    for (auto _ : state)
        for (int i = 0; i < Count; ++i) {
            const TRect& r = w.Rects[i];
            p.drawText(r.Left, r.Top + ascent, w.QTexts[i]);
        }
}

// A paint that changes the font for every text, as a grid or an editor does between cells and styles: the
// same few fonts again and again.
struct TTextStyle
{
    const char* name;
    int size; // points, or with cellHeight > 0 none
    TFontStyles style;
    int cellHeight = 0;
};
const TTextStyle textStyles[] = {{"DejaVu Sans", 9, {}},
                                 {"DejaVu Sans", 9, {fsBold}},
                                 {"DejaVu Sans", 11, {fsItalic}},
                                 {"DejaVu Sans Mono", 10, {}},
                                 {"DejaVu Sans Mono", 10, {fsBold, fsUnderline}},
                                 {"DejaVu Serif", 0, {}, 16}};
constexpr int StyleCount = static_cast<int>(std::size(textStyles));

void SetTextStyle(TFont& font, const TTextStyle& style)
{
    font.SetName(style.name);
    if (style.cellHeight > 0)
        font.SetHeight(style.cellHeight);
    else
        font.SetSize(style.size);
    font.SetStyle(style.style);
}

// The canvas's texts, each after a change of font when Restyled.
template <bool Restyled> void CanvasTexts(benchmark::State& state)
{
    TSurfaces s;
    const TWork& w = Work();
    s.canvas->Brush()->SetStyle(bsClear);
    for (auto _ : state)
        for (int i = 0; i < Count; ++i) {
            if constexpr (Restyled)
                SetTextStyle(*s.canvas->Font(), textStyles[i % StyleCount]);
            const TRect& r = w.Rects[i];
            s.canvas->TextOut(r.Left, r.Top, w.Texts[i]);
        }
}

void BM_CanvasText(benchmark::State& state)
{
    CanvasTexts<false>(state);
}

void BM_CanvasStyledText(benchmark::State& state)
{
    CanvasTexts<true>(state);
}

void BM_PainterStyledText(benchmark::State& state)
{
    TSurfaces s;
    const TWork& w = Work();
    QPainter p(&s.image);
    std::vector<QFont> fonts;
    std::vector<int> ascents;
    for (const TTextStyle& style : textStyles) {
        TFont font;
        SetTextStyle(font, style);
        fonts.push_back(ToQFont(font));
        ascents.push_back(QFontMetrics(fonts.back()).ascent());
    }
    p.setPen(Qt::black);
    for (auto _ : state)
        for (int i = 0; i < Count; ++i) {
            p.setFont(fonts[i % StyleCount]);
            const TRect& r = w.Rects[i];
            p.drawText(r.Left, r.Top + ascents[i % StyleCount], w.QTexts[i]);
        }
}

BENCHMARK(BM_CanvasFills)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PainterFills)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CanvasLines)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PainterLines)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CanvasText)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PainterText)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CanvasStyledText)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PainterStyledText)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    Work();
    std::vector<TRatio> ratios;
    for (const std::string kind : {"Fills", "Lines", "Text", "StyledText"})
        ratios.push_back(
            {kind, "BM_Canvas" + kind, "canvas", "BM_Painter" + kind, "painter", " (goal <= 1.3)"});
    return RunBenchmarksWithRatios(argc, argv, ratios);
}
