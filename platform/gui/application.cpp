#include "platform/gui/application.h"

#include "platform/gui/actions.h"
#include "platform/gui/exception_reporting.h"
#include "platform/gui/forms.h"
#include "platform/gui/window_data.h"
#include "platform/gui/window_functions.h"

#include <QCoreApplication>
#include <QEventLoop>

#include <algorithm>

TApplication* const Application = new TApplication(nullptr);

TApplication::TApplication(TComponent* owner) : TComponent(owner)
{
    SetInputMessageFilter([this](TMsg& msg) { return FilterMessage(msg); });
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

void TApplication::HandleException(TObject* sender)
{
    ReportCurrentException(sender);
}

void TApplication::ShowException(const std::exception_ptr& error)
{
    ShowExceptionMessage(error);
}

void TApplication::AddForm(TCustomForm* form)
{
    forms_.push_back(form);
}

void TApplication::RemoveForm(TCustomForm* form)
{
    forms_.erase(std::remove(forms_.begin(), forms_.end(), form), forms_.end());
    if (mainForm_ == form)
        mainForm_ = nullptr;
    if (activeForm_ == form)
        activeForm_ = nullptr;
}

void TApplication::FormActivated(TCustomForm* form)
{
    activeForm_ = form;
}
