// The program started exactly as its entry routine starts it, ended at its main window's first paint: the
// program's side of the start-up benchmark.

#include "app/main/program_start.h"
#include "startup_probe.h"

int main(int argc, char** argv)
{
    TFormMain& formMain = StartProgram(argc, argv);
    TFirstPaintWatch watch;
    qApp->installEventFilter(&watch);
    formMain.Show();
    EndAtFirstPaint(watch);
}
