#pragma once

// What both start-up probes share: once their window is shown, they let the toolkit run until the first
// paint pass has painted a window, then end at once (the start-up is what is measured, not the closing).
// Exit status 0 when a paint came, 1 when none came within ten seconds.

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>

#include <cstdlib>

class TFirstPaintWatch : public QObject
{
public:
    bool painted = false;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            painted = true;
        return QObject::eventFilter(watched, event);
    }
};

// Installed before the window is shown; ends the process.
[[noreturn]] inline void EndAtFirstPaint(TFirstPaintWatch& watch)
{
    QElapsedTimer deadline;
    deadline.start();
    while (!watch.painted && deadline.elapsed() < 10000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    std::_Exit(watch.painted ? 0 : 1);
}
