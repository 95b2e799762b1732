#include "platform/gui/forms/menus.h"
#include "platform/gui/services/tray_icon.h"
#include "popup_test_support.h"
#include "window_test_support.h"

#include <QSystemTrayIcon>

#include <gtest/gtest.h>

namespace {

QSystemTrayIcon* QtTrayIcon()
{
    const auto icons = QCoreApplication::instance()->findChildren<QSystemTrayIcon*>();
    return icons.size() == 1 ? icons.front() : nullptr;
}

TEST(TrayIcon, PuttingAWindowAwayAlwaysLeavesAWayBack)
{
    TForm* form = ShowTestForm();
    TTrayIcon tray(nullptr);
    tray.SetHint("Quillmark");
    ASSERT_NE(QtTrayIcon(), nullptr);
    EXPECT_EQ(QtTrayIcon()->toolTip(), "Quillmark");

    tray.MinimizeToTray(form);
    Pump();
    EXPECT_TRUE(tray.Visible());
    EXPECT_TRUE(FormInTray(form));
    if (TrayAvailable()) {
        EXPECT_FALSE(form->Visible());
    } else {
        // No tray to click on: the window stays on the task bar, minimised.
        EXPECT_TRUE(form->Visible());
        EXPECT_EQ(form->WindowState(), wsMinimized);
    }

    tray.RestoreFromTray(form);
    Pump();
    EXPECT_FALSE(tray.Visible());
    EXPECT_FALSE(FormInTray(form));
    EXPECT_EQ(form->WindowState(), wsNormal);
    form->Free();
}

TEST(TrayIcon, ActivationsBecomeClicksAndThePopupMenu)
{
    std::vector<std::string> log;
    auto* tray = new TTrayIcon(nullptr);
    tray->OnClick = [&](TObject* sender) { log.push_back(sender == tray ? "click" : "?"); };
    tray->OnDblClick = [&](TObject*) { log.push_back("dblclick"); };
    TPopupMenu menu(nullptr);
    auto* exit = new TMenuItem(nullptr);
    exit->SetCaption("E&xit");
    exit->OnClick = [&](TObject*) { log.push_back("exit"); };
    menu.Items()->Add(exit);
    menu.OnPopup = [&](TObject*) { log.push_back(menu.PopupComponent() == tray ? "popup" : "?"); };
    tray->SetPopupMenu(&menu);

    QSystemTrayIcon* icon = QtTrayIcon();
    ASSERT_NE(icon, nullptr);
    emit icon->activated(QSystemTrayIcon::Trigger);
    emit icon->activated(QSystemTrayIcon::DoubleClick);
    OnNextMenu([](QMenu& shown) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, "x");
        QApplication::sendEvent(&shown, &press);
    });
    emit icon->activated(QSystemTrayIcon::Context);
    EXPECT_EQ(log, (std::vector<std::string>{"click", "dblclick", "popup", "exit"}));

    tray->Free();
    EXPECT_EQ(QtTrayIcon(), nullptr);
    EXPECT_EQ(menu.PopupComponent(), nullptr);
}

} // namespace
