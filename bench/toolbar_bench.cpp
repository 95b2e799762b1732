// A docked toolbar of 30 buttons with images and captions painted into an image, against the toolkit's own
// toolbar with the same 30 actions rendered into one; the same toolbar skinned, on a skinned dock in the main
// window's skin, against the toolkit's too. Prints our times / the toolkit's at the end; the goal is at
// most 2.

#include "bench_images.h"
#include "bench_main_skin.h"
#include "controls/skins/skin_dock.h"
#include "controls/skins/skin_items.h"
#include "controls/skins/skin_toolbar.h"
#include "controls/toolbars/dock.h"
#include "controls/toolbars/toolbar.h"
#include "platform/gui/forms/forms.h"
#include "ratio_reporter.h"

#include <QApplication>
#include <QImage>
#include <QMainWindow>
#include <QToolBar>

#include <benchmark/benchmark.h>

#include <string>

namespace {

constexpr int Buttons = 30;
std::string Caption(int i)
{
    return "Button " + std::to_string(i);
}

// Our toolbar, docked at the top of a form wide enough for all its buttons: the framework's classes, or the
// skinned ones.
template <typename TDockClass, typename TToolbarClass, typename TItemClass> struct TOurs
{
    TOurs() : form(new TForm(nullptr))
    {
        form->SetBounds(0, 0, 3000, 200);
        form->Show();
        auto* dock = new TDockClass(form);
        dock->SetParent(form);
        toolbar = new TToolbarClass(form);
        toolbar->SetImages(ColourSquareImages(form));
        for (int i = 0; i < Buttons; ++i) {
            auto* item = new TItemClass(form);
            item->SetCaption(Caption(i));
            item->SetImageIndex(i % 6);
            item->SetDisplayMode(nbdmImageAndText);
            toolbar->Items()->Add(item);
        }
        toolbar->SetParent(dock);
        picture.SetSize(toolbar->Width(), toolbar->Height());
    }
    ~TOurs() { form->Free(); }
    void Paint() { toolbar->PaintTo(*picture.Canvas(), 0, 0); }

    TForm* form;
    TToolbarClass* toolbar = nullptr;
    TBitmap picture;
};

struct TToolkits
{
    TToolkits()
    {
        window.resize(3000, 200);
        toolbar = window.addToolBar("Tools");
        toolbar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        for (int i = 0; i < Buttons; ++i) {
            toolbar->addAction(ColourSquareIcon(i), QString::fromStdString(Caption(i)));
        }
        window.show();
        QCoreApplication::processEvents();
        picture = QImage(toolbar->size(), QImage::Format_ARGB32_Premultiplied);
    }
    void Paint() { toolbar->render(&picture); }

    QMainWindow window;
    QToolBar* toolbar;
    QImage picture;
};

void BM_OurToolbar(benchmark::State& state)
{
    TOurs<TBarDock, TBarCustomToolbar, TBarCustomItem> ours;
    for (auto _ : state)
        ours.Paint();
}

void BM_OurSkinnedToolbar(benchmark::State& state)
{
    TMainSkin skin;
    TOurs<TQvDock, TQvToolbar, TQvItem> ours;
    for (auto _ : state)
        ours.Paint();
}

void BM_ToolkitToolbar(benchmark::State& state)
{
    TToolkits toolkits;
    for (auto _ : state)
        toolkits.Paint();
}

BENCHMARK(BM_OurToolbar)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OurSkinnedToolbar)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ToolkitToolbar)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return RunBenchmarksWithRatios(
        argc, argv,
        {{"Toolbar of 30 buttons", "BM_OurToolbar", "ours", "BM_ToolkitToolbar", "toolkit's", " (goal <= 2)"},
         {"Skinned toolbar of 30 buttons", "BM_OurSkinnedToolbar", "ours", "BM_ToolkitToolbar", "toolkit's",
          " (goal <= 2)"}});
}
