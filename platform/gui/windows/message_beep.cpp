#include "platform/gui/windows/message_beep.h"

#include <QApplication>

namespace {

TBeepCounter* counting = nullptr;

} // namespace

TBeepCounter::TBeepCounter() : outer_(counting)
{
    counting = this;
}

TBeepCounter::~TBeepCounter()
{
    counting = outer_;
}

bool MessageBeep(unsigned)
{
    if (counting) {
        ++counting->count_;
        return true;
    }
    if (qobject_cast<QApplication*>(QCoreApplication::instance()))
        QApplication::beep();
    return true;
}
