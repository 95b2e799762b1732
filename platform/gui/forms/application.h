#pragma once

#include "platform/gui/core/classes.h"
#include "platform/gui/windows/messages.h"
#include "support/system_colors.h"

#include <exception>
#include <functional>
#include <memory>
#include <string>
#include <vector>

// The application object: the forms, the message loop, the application-wide message handling and the
// handling of exceptions that escape event handlers. There is one, Application.

class TControl;
class TCustomForm;
class THintWindow;
struct THintInfo;

using TMessageEvent = std::function<void(TMsg& msg, bool& handled)>;
using TExceptionEvent = std::function<void(TObject* sender, const std::exception_ptr& error)>;
// A hook on the application's own messages (CM_APPKEYDOWN, CM_APPSYSCOMMAND); true when it took one.
using TWindowHook = std::function<bool(TMessage& message)>;
// Asked for help: command HELP_CONTEXT or HELP_CONTEXTPOPUP with the topic in data; callHelp false keeps the
// desktop's help from being asked as well. The answer is the call's.
using THelpEvent = std::function<bool(uint16_t command, intptr_t data, bool& callHelp)>;
constexpr uint16_t HELP_CONTEXT = 0x0001;
constexpr uint16_t HELP_CONTEXTPOPUP = 0x0008;
constexpr uint16_t HELP_KEY = 0x0101; // data: the keyword, a const char*
// Before a hint shows: the text, whether it shows, and everything else about it may change.
using TShowHintEvent = std::function<void(std::string& hintStr, bool& canShow, THintInfo& hintInfo)>;

// Who the program is to the desktop.
struct TApplicationIdentity
{
    std::string DisplayName;     // in captions and the task bar: "Quillmark"
    std::string DesktopFileName; // its desktop entry, without ".desktop": "quillmark"
    std::string IconResource;    // the windows' icon among the program's bitmap resources; empty: none
};

class TApplication : public TComponent
{
public:
    explicit TApplication(TComponent* owner);
    ~TApplication() override;

    // Starts the toolkit for the program (once; a toolkit already started is used as it is): the identity
    // goes to the desktop, message boxes come up as the desktop's, and the number formats are the user's
    // locale's. Numbers the program reads and writes itself keep "." whatever the locale. argc and argv
    // must live as long as the program. (Defined beside the desktop services it installs.)
    void Initialize(int& argc, char** argv, const TApplicationIdentity& identity);

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

    // Hooks on the application's own messages; the token unhooks.
    int HookMainWindow(TWindowHook hook);
    void UnhookMainWindow(int token);
    // Sends a message to the application's own hooks; the answer of the one that took it, else 0.
    LRESULT SendAppMessage(uint32_t msg, WPARAM wParam, LPARAM lParam);

    // --- hints ---
    // Hints show when the pointer rests HintPause ms on a control with ShowHint (HintShortPause ms while
    // another hint is still up) and hide after HintHidePause ms, or when a key or button is pressed, the
    // pointer leaves the hint's area or the program goes to the background.
    bool ShowHint() const { return showHint_; }
    // Off hides the hint and frees the hint window; the next hint makes one of HintWindowClass.
    void SetShowHint(bool value);
    TColor HintColor() const { return hintColor_; }
    void SetHintColor(TColor value) { hintColor_ = value; }
    int HintPause() const { return hintPause_; }
    void SetHintPause(int value) { hintPause_ = value; }
    int HintShortPause() const { return hintShortPause_; }
    void SetHintShortPause(int value) { hintShortPause_ = value; }
    int HintHidePause() const { return hintHidePause_; }
    void SetHintHidePause(int value) { hintHidePause_ = value; }
    // Whether hints name the shortcut of their command.
    bool HintShortCuts() const { return hintShortCuts_; }
    void SetHintShortCuts(bool value) { hintShortCuts_ = value; }
    // The long hint of the control under the pointer; OnHint tells when it changes.
    const std::string& Hint() const { return hint_; }
    void SetHint(const std::string& value);
    // A mouse message (client coordinates of control, screen coordinates for the frame's messages) that
    // moves the pointer as far as hints are concerned.
    void HintMouseMessage(TControl* control, const TMessage& message);
    // Shows the hint of the control under the pointer now, for a pointer at cursorPos (screen).
    void ActivateHint(TPoint cursorPos);
    // Hides the hint; the next pointer move over a control with a hint starts a new pause.
    void CancelHint();
    // Hides the hint window; it stays away until the pointer leaves the hint's area.
    void HideHint();

    // --- help ---
    // Asks for help through OnHelp; the desktop here has no help of its own to show, so without a handler
    // that answers true the answer is false.
    bool HelpCommand(uint16_t command, intptr_t data);
    // The help of a topic (HELP_CONTEXT).
    bool HelpContext(int context) { return HelpCommand(HELP_CONTEXT, context); }
    // The help of a keyword (HELP_KEY).
    bool HelpKeyword(const std::string& keyword)
    {
        return HelpCommand(HELP_KEY, reinterpret_cast<intptr_t>(keyword.c_str()));
    }

    // Reports an exception from an event handler (call from a catch block): OnException, else a message
    // box with its message.
    void HandleException(TObject* sender);
    void ShowException(const std::exception_ptr& error);

    TMessageEvent OnMessage;
    TExceptionEvent OnException;
    TNotifyEvent OnIdle;
    TNotifyEvent OnActivate;
    TNotifyEvent OnDeactivate;
    TNotifyEvent OnHint;
    TShowHintEvent OnShowHint;
    THelpEvent OnHelp;

    // A form goes away (the main form's place empties).
    void FormDestroyed(TCustomForm* form);
    // A control goes away: the hint forgets it.
    void ControlDestroyed(TControl* control);
    // The program came to the foreground or went to the background (the layer's windows tell).
    void ActivationChanged(bool active);

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    struct HintState;
    bool FilterMessage(TMsg& msg);
    void Idle();
    void HintMouseAt(TPoint screenPos);
    void StartHintTimer(bool hide, int milliseconds);
    THintWindow* HintWindowFor(const THintInfo& info);

    bool terminated_ = false;
    std::string title_;
    TCustomForm* mainForm_ = nullptr;
    std::vector<std::pair<int, TWindowHook>> hooks_;
    int nextHookToken_ = 1;
    bool showHint_ = true;
    TColor hintColor_ = clInfoBk;
    int hintPause_ = 500;
    int hintShortPause_ = 0;
    int hintHidePause_ = 2500;
    bool hintShortCuts_ = true;
    std::string hint_;
    std::unique_ptr<HintState> hintState_;
};

extern TApplication* const Application;
