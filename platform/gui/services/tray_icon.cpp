#include "platform/gui/services/tray_icon.h"

#include "platform/gui/core/exception_reporting.h"
#include "platform/gui/forms/forms.h"
#include "platform/gui/forms/menus.h"
#include "platform/gui/graphics/picture.h"

#include <QApplication>
#include <QCursor>
#include <QSystemTrayIcon>

bool TrayAvailable()
{
    return QSystemTrayIcon::isSystemTrayAvailable();
}

struct TTrayIcon::Impl
{
    // Parented to the application object, where it lives until the tray icon component goes.
    QSystemTrayIcon* icon = new QSystemTrayIcon(QCoreApplication::instance());
    ~Impl() { delete icon; }
};

TTrayIcon::TTrayIcon(TComponent* owner)
    : TComponent(owner), impl_(std::make_unique<Impl>()), icon_(std::make_unique<TIcon>())
{
    QObject::connect(impl_->icon, &QSystemTrayIcon::activated, impl_->icon,
                     [this](QSystemTrayIcon::ActivationReason reason) {
                         GuardedCall(this, [&] {
                             if (reason == QSystemTrayIcon::Trigger)
                                 Click();
                             else if (reason == QSystemTrayIcon::DoubleClick)
                                 DblClick();
                             else if (reason == QSystemTrayIcon::Context)
                                 ContextPopup();
                         });
                     });
    ApplyIcon();
}

TTrayIcon::~TTrayIcon() = default;

void TTrayIcon::SetVisible(bool value)
{
    visible_ = value;
    impl_->icon->setVisible(value);
}

void TTrayIcon::SetHint(const std::string& value)
{
    hint_ = value;
    impl_->icon->setToolTip(QString::fromStdString(value));
}

void TTrayIcon::SetIcon(const TIcon* icon)
{
    if (icon)
        icon_->Assign(icon);
    else
        icon_ = std::make_unique<TIcon>();
    ApplyIcon();
}

void TTrayIcon::ApplyIcon()
{
    if (icon_->Empty())
        impl_->icon->setIcon(QApplication::windowIcon());
    else
        impl_->icon->setIcon(QIcon(QPixmap::fromImage(DecodedImage(*icon_))));
}

void TTrayIcon::SetPopupMenu(TPopupMenu* menu)
{
    popupMenu_ = menu;
    if (menu)
        menu->FreeNotification(this);
}

void TTrayIcon::Notification(TComponent* component, TOperation operation)
{
    TComponent::Notification(component, operation);
    if (operation == opRemove && component == popupMenu_)
        popupMenu_ = nullptr;
}

void TTrayIcon::Click()
{
    if (OnClick)
        OnClick(this);
}

void TTrayIcon::DblClick()
{
    if (OnDblClick)
        OnDblClick(this);
}

void TTrayIcon::ContextPopup()
{
    if (!popupMenu_ || !popupMenu_->AutoPopup())
        return;
    popupMenu_->SetPopupComponent(this);
    const QPoint at = QCursor::pos();
    popupMenu_->Popup(at.x(), at.y());
}

void TTrayIcon::MinimizeToTray(TCustomForm* form)
{
    SetVisible(true);
    if (TrayAvailable())
        form->Hide();
    else
        form->SetWindowState(wsMinimized);
}

void TTrayIcon::RestoreFromTray(TCustomForm* form)
{
    form->Show();
    if (form->WindowState() == wsMinimized)
        form->SetWindowState(wsNormal);
    SetVisible(false);
}

bool FormInTray(const TCustomForm* form)
{
    return !form->Visible() || form->WindowState() == wsMinimized;
}
