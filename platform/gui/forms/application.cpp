#include "platform/gui/forms/application.h"

#include "platform/gui/core/exception_reporting.h"
#include "platform/gui/forms/forms.h"
#include "platform/gui/forms/hint_state.h"
#include "platform/gui/forms/hints.h"
#include "platform/gui/qt/window_data.h"
#include "platform/gui/windows/actions.h"
#include "platform/gui/windows/window_functions.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QGuiApplication>

#include <algorithm>

TApplication* const Application = new TApplication(nullptr);

TApplication::TApplication(TComponent* owner) : TComponent(owner)
{
    SetInputMessageFilter([this](TMsg& msg) { return FilterMessage(msg); });
    SetControlRemovedObserver([this](TControl* control) { ControlDestroyed(control); });
    SetExceptionReporter([this](TObject* sender, const std::exception_ptr& error) {
        if (OnException)
            OnException(sender, error);
        else
            ShowException(error);
    });
}

TApplication::~TApplication()
{
    SetInputMessageFilter(nullptr);
    SetControlRemovedObserver(nullptr);
    SetExceptionReporter(nullptr);
}

void TApplication::SetTitle(const std::string& title)
{
    title_ = title;
    QCoreApplication::setApplicationName(QString::fromStdString(title));
}

bool TApplication::FilterMessage(TMsg& msg)
{
    if (msg.message == WM_QUIT) {
        terminated_ = true;
        return true;
    }
    const bool endsHint =
        hintState_ && hintState_->window ? hintState_->window->IsHintMsg(msg) : IsDefaultHintMsg(msg);
    if (endsHint)
        CancelHint();
    else if (msg.message == WM_MOUSEMOVE || msg.message == WM_NCMOUSEMOVE)
        HintMouseAt(msg.pt);
    bool handled = false;
    if (OnMessage)
        OnMessage(msg, handled);
    return handled;
}

void TApplication::ProcessMessages()
{
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void TApplication::HandleMessage()
{
    if (!QCoreApplication::instance())
        return;
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    Idle();
    if (!terminated_)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

void TApplication::Idle()
{
    GuardedCall(this, [this] {
        UpdateAllActions();
        if (OnIdle)
            OnIdle(this);
    });
}

void TApplication::Run()
{
    if (mainForm_)
        mainForm_->Show();
    while (!terminated_ && mainForm_)
        HandleMessage();
}

void TApplication::Terminate()
{
    terminated_ = true;
    PostQuitMessage(0);
}

int TApplication::HookMainWindow(TWindowHook hook)
{
    hooks_.emplace_back(nextHookToken_, std::move(hook));
    return nextHookToken_++;
}

void TApplication::UnhookMainWindow(int token)
{
    hooks_.erase(
        std::remove_if(hooks_.begin(), hooks_.end(), [token](const auto& h) { return h.first == token; }),
        hooks_.end());
}

LRESULT TApplication::SendAppMessage(uint32_t msg, WPARAM wParam, LPARAM lParam)
{
    TMessage message{msg, wParam, lParam, 0};
    const auto hooks = hooks_;
    for (const auto& [token, hook] : hooks)
        if (hook(message))
            return message.Result != 0 ? message.Result : 1;
    return 0;
}

bool AppKeyDownHook(const TMessage& keyMessage)
{
    return Application->SendAppMessage(CM_APPKEYDOWN, keyMessage.WParam, keyMessage.LParam) != 0;
}

bool TApplication::HelpCommand(uint16_t command, intptr_t data)
{
    bool callHelp = true;
    return OnHelp && OnHelp(command, data, callHelp);
}

void TApplication::HandleException(TObject* sender)
{
    ReportCurrentException(sender);
}

void TApplication::ShowException(const std::exception_ptr& error)
{
    ShowExceptionMessage(error);
}

void WatchApplicationActivation()
{
    static bool watching = false;
    auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance());
    if (watching || !app)
        return;
    watching = true;
    QObject::connect(app, &QGuiApplication::applicationStateChanged, [](Qt::ApplicationState state) {
        static bool active = false;
        if ((state == Qt::ApplicationActive) == active)
            return;
        active = !active;
        Application->ActivationChanged(active);
    });
}

void TApplication::ActivationChanged(bool active)
{
    if (!active)
        CancelHint();
    // Every top-level window hears of it, visible or not.
    ForEachWindow([active](TWinControl* window) {
        if (!window->Parent())
            SendMessage(window->Handle(), WM_ACTIVATEAPP, active ? 1 : 0, 0);
    });
    const TNotifyEvent& handler = active ? OnActivate : OnDeactivate;
    if (handler)
        handler(this);
}

void TApplication::FormDestroyed(TCustomForm* form)
{
    if (mainForm_ == form)
        mainForm_ = nullptr;
}
