// The program's windows made again and again in one running process: the nine windows created as the entry
// routine creates them (its program folder a temporary folder), the main window shown and painted into an
// image, then all freed; against a bare toolkit window holding a table of 29 columns, created, shown and
// rendered the same way. What the program's own window code costs once the process, the libraries and the
// fonts are up; start-up as a user meets it, with its goal, is the start-up benchmark's.
// Prints our time / the toolkit's at the end.

#include "app/main/form_main.h"
#include "app/main/secondary_windows.h"
#include "platform/gui/graphics/bitmap.h"
#include "platform/gui/graphics/canvas.h"
#include "ratio_reporter.h"
#include "tests/support/scratch_folder.h"

#include <QApplication>
#include <QHeaderView>
#include <QImage>
#include <QMainWindow>
#include <QTableWidget>

#include <benchmark/benchmark.h>

#include <filesystem>

namespace {

constexpr int Columns = 29;

void BM_OurMainWindow(benchmark::State& state)
{
    ScratchFolder folder;
    TMainStartup startup;
    // The program in a folder of its own, as a portable program unpacks: the tool discovery also looks
    // three levels below the program folder's parent.
    std::filesystem::create_directory(folder.Path() + "/program");
    startup.ExecutablePath = folder.Path() + "/program/quillmark";
    startup.Storage.ConfigHome = folder.Path() + "/config";
    for (auto _ : state) {
        auto* form = new TFormMain(nullptr, startup);
        CreateSecondaryWindows(*form);
        form->Show();
        QCoreApplication::processEvents();
        TBitmap picture(form->Width(), form->Height());
        form->PaintTo(*picture.Canvas(), 0, 0);
        benchmark::DoNotOptimize(picture.Canvas());
        form->Free();
        // The windows' widgets go by deferred deletion, which the program's event loop carries out;
        // outside a loop the benchmark carries it out itself.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }
}

void BM_ToolkitWindowWithTable(benchmark::State& state)
{
    for (auto _ : state) {
        auto* window = new QMainWindow;
        window->resize(998, 712);
        auto* table = new QTableWidget(0, Columns, window);
        QStringList headers;
        for (int i = 0; i < Columns; ++i)
            headers << QString("Column %1").arg(i + 1);
        table->setHorizontalHeaderLabels(headers);
        window->setCentralWidget(table);
        window->show();
        QCoreApplication::processEvents();
        QImage picture(window->size(), QImage::Format_ARGB32_Premultiplied);
        window->render(&picture);
        benchmark::DoNotOptimize(picture.bits());
        delete window;
        QCoreApplication::processEvents();
    }
}

BENCHMARK(BM_OurMainWindow)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ToolkitWindowWithTable)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return RunBenchmarksWithRatios(argc, argv,
                                   {{"Windows made again in a running process", "BM_OurMainWindow", "ours",
                                     "BM_ToolkitWindowWithTable", "toolkit's", ""}});
}
