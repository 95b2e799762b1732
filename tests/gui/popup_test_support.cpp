#include "popup_test_support.h"

#include <QApplication>
#include <QTimer>

#include <gtest/gtest.h>

void OnNextMenu(std::function<void(QMenu&)> work)
{
    QTimer::singleShot(0, [work] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu) {
            ADD_FAILURE() << "no menu is open";
            return;
        }
        work(*menu);
        menu->close();
    });
}
