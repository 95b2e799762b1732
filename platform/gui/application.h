#pragma once

#include "platform/gui/classes.h"
#include "platform/gui/messages.h"

#include <exception>
#include <functional>
#include <string>
#include <vector>

// The application object: the forms, the message loop, the application-wide message handling and the
// handling of exceptions that escape event handlers. There is one, Application.

class TCustomForm;

using TMessageEvent = std::function<void(TMsg& msg, bool& handled)>;
using TExceptionEvent = std::function<void(TObject* sender, const std::exception_ptr& error)>;
// A hook on the application's own messages (CM_APPKEYDOWN, CM_APPSYSCOMMAND); true when it took one.
using TWindowHook = std::function<bool(TMessage& message)>;

class TApplication : public TComponent
{
public:
    explicit TApplication(TComponent* owner);
    ~TApplication() override;

    // Shows the main form and runs the message loop until Terminate.
    void Run();
    // Handles every message waiting now, then returns (for long work that must keep the windows alive).
    void ProcessMessages();
    // Waits for the next message and handles it, with the idle work when nothing is left.
    void HandleMessage();
    void Terminate();
    bool Terminated() const { return terminated_; }

    const std::string& Title() const { return title_; }
    void SetTitle(const std::string& title);
    // The first form made through CreateForm, unless set.
    TCustomForm* MainForm() const { return mainForm_; }
    void SetMainForm(TCustomForm* form) { mainForm_ = form; }
    template <typename T> T* CreateForm()
    {
        T* form = new T(this);
        if (!mainForm_)
            mainForm_ = form;
        return form;
    }
    int FormCount() const { return static_cast<int>(forms_.size()); }
    TCustomForm* Forms(int index) const { return forms_.at(static_cast<size_t>(index)); }
    // The form that is (or was last) active.
    TCustomForm* ActiveForm() const { return activeForm_; }

    // Hooks on the application's own messages; the token unhooks.
    int HookMainWindow(TWindowHook hook);
    void UnhookMainWindow(int token);
    // Sends a message to the application's own hooks; the answer of the one that took it, else 0.
    LRESULT SendAppMessage(uint32_t msg, WPARAM wParam, LPARAM lParam);

    // Reports an exception from an event handler (call from a catch block): OnException, else a message
    // box with its message.
    void HandleException(TObject* sender);
    void ShowException(const std::exception_ptr& error);

    TMessageEvent OnMessage;
    TExceptionEvent OnException;
    TNotifyEvent OnIdle;
    TNotifyEvent OnActivate;
    TNotifyEvent OnDeactivate;

    // Bookkeeping of the forms, for the forms themselves.
    void AddForm(TCustomForm* form);
    void RemoveForm(TCustomForm* form);
    void FormActivated(TCustomForm* form);

private:
    bool FilterMessage(TMsg& msg);
    void Idle();

    bool terminated_ = false;
    std::string title_;
    TCustomForm* mainForm_ = nullptr;
    TCustomForm* activeForm_ = nullptr;
    std::vector<TCustomForm*> forms_;
    std::vector<std::pair<int, TWindowHook>> hooks_;
    int nextHookToken_ = 1;
};

extern TApplication* const Application;
