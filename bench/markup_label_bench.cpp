// The markup label against the toolkit's own rich-text label: a text of 1,000 tags (bold, italic,
// underline, font colour and background, line breaks, a list) laid out and painted into a 640 x 2000
// picture by each, the text set anew for every picture. Prints label time / rich-text time at the end; the
// goal is at most 1.5. Also times one update of the progress window's status label.

#include "controls/edits/markup_label.h"
#include "platform/gui/forms/application.h"
#include "platform/gui/forms/forms.h"
#include "platform/gui/graphics/bitmap.h"
#include "ratio_reporter.h"

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <string>

namespace {

constexpr int Width = 640;
constexpr int Height = 2000;
constexpr int TagCount = 1000;

struct TTexts
{
    std::string markup;
    QString richText;
};

// The same text in both languages; variant makes each of two texts differ by one word.
TTexts Texts(int variant)
{
    TTexts texts;
    int tags = 0;
    for (int i = 0; tags < TagCount; ++i) {
        const std::string n = std::to_string(i + variant);
        texts.markup += "Line " + n +
                        ": <b>bold</b> <i>italic</i> <u>underlined</u> <font color=\"#C00000\" "
                        "bgcolor=\"#FFE080\">coloured</font> text";
        std::string rich = "Line " + n +
                           ": <b>bold</b> <i>italic</i> <u>underlined</u> <span style=\"color:#C00000; "
                           "background-color:#FFE080\">coloured</span> text";
        tags += 8;
        if (i % 5 == 4) {
            texts.markup += "<ul><li>first item<li>second item</ul>";
            rich += "<ul><li>first item</li><li>second item</li></ul>";
            tags += 4;
        } else {
            texts.markup += "<br>";
            rich += "<br>";
            tags += 1;
        }
        texts.richText += QString::fromStdString(rich);
    }
    return texts;
}

const TTexts& Text(int variant)
{
    static const TTexts texts[] = {Texts(0), Texts(1)};
    return texts[variant];
}

void BM_MarkupLabel(benchmark::State& state)
{
    auto* form = new TForm(Application);
    form->SetBounds(0, 0, Width, Height);
    form->Font()->SetName("DejaVu Sans");
    form->Font()->SetSize(9);
    auto* label = new TMarkupLabel(form);
    label->SetBounds(0, 0, Width, Height);
    label->SetParent(form);
    TBitmap picture(Width, Height, pfDevice);
    int variant = 0;
    for (auto _ : state) {
        label->HTMLText()->SetText(Text(variant ^= 1).markup);
        form->PaintTo(*picture.Canvas(), 0, 0);
    }
    form->Free();
}

void BM_RichTextLabel(benchmark::State& state)
{
    QLabel label;
    label.setFont(QFont("DejaVu Sans", 9));
    label.setTextFormat(Qt::RichText);
    label.setWordWrap(true);
    label.setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label.resize(Width, Height);
    QImage picture(Width, Height, QImage::Format_RGB32);
    int variant = 0;
    for (auto _ : state) {
        label.setText(Text(variant ^= 1).richText);
        label.render(&picture);
    }
}

// The progress window's status line after an encoder line: the new markup set and the label painted.
void BM_ProgressLabelUpdate(benchmark::State& state)
{
    auto* form = new TForm(Application);
    form->SetBounds(0, 0, 774, 60);
    form->Font()->SetName("DejaVu Sans");
    form->Font()->SetHeight(-12);
    auto* status = new TMarkupLabel(form);
    status->SetBounds(80, 8, 637, 17);
    status->SetParent(form);
    form->Show();
    QApplication::processEvents();
    int frame = 0;
    for (auto _ : state) {
        frame += 25;
        status->HTMLText()->SetText(
            "Converting file: <b>2</b> / <b>5</b>    ::    Speed:  <b><FONT bgcolor=\"#496954\" "
            "color=\"#E0EBE0\">  1.01x  </FONT></b>  ( 25 frames/sec )    ::    Frame: " +
            std::to_string(frame) + " / ~100000    ::    <b>" + std::to_string(frame / 40) + ".00 MB</b>");
        status->Repaint();
    }
    form->Free();
}

} // namespace

BENCHMARK(BM_MarkupLabel)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RichTextLabel)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ProgressLabelUpdate)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    return RunBenchmarksWithRatios(
        argc, argv,
        {{"Markup of 1,000 tags laid out and painted", "BM_MarkupLabel", "markup label", "BM_RichTextLabel",
          "rich-text label", " (goal: at most 1.5)"}});
}
