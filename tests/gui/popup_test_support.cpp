#include "popup_test_support.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

// A menu opens within its popup call, or a little later when an opening effect runs first. A menu that
// never opens fails the test at the deadline instead of leaving a later one open with no one to close it.
constexpr int MenuOpenDeadlineMs = 3000;
constexpr int MenuPollMs = 10;

void WorkOnMenuOnceOpen(const std::function<void(QMenu&)>& work, QDeadlineTimer deadline, int delayMs)
{
    QTimer::singleShot(delayMs, [work, deadline] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu) {
            if (deadline.hasExpired())
                ADD_FAILURE() << "no menu is open";
            else
                WorkOnMenuOnceOpen(work, deadline, MenuPollMs);
            return;
        }
        work(*menu);
        menu->close();
    });
}

} // namespace

void OnNextMenu(std::function<void(QMenu&)> work)
{
    WorkOnMenuOnceOpen(work, QDeadlineTimer(MenuOpenDeadlineMs), 0);
}
