// A bare toolkit program: a main window holding a table of 29 columns, ended at its first paint; the
// toolkit's side of the start-up benchmark.

#include "startup_probe.h"

#include <QHeaderView>
#include <QMainWindow>
#include <QTableWidget>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    TFirstPaintWatch watch;
    app.installEventFilter(&watch);

    constexpr int Columns = 29;
    QMainWindow window;
    window.resize(998, 712);
    auto* table = new QTableWidget(0, Columns, &window);
    QStringList headers;
    for (int i = 0; i < Columns; ++i)
        headers << QString("Column %1").arg(i + 1);
    table->setHorizontalHeaderLabels(headers);
    window.setCentralWidget(table);
    window.show();
    EndAtFirstPaint(watch);
}
