#pragma once

#include "platform/gui/windows/parent_form.h"
#include "platform/gui/windows/win_control.h"
#include "support/window_services.h"

#include <functional>

// Top-level windows. A form is built in code: construct it, set its properties and children (between
// BeginLoading and EndLoading when setters must see csLoading), then Show or ShowModal it.
// Events come in this order: OnCreate (at EndLoading, or before the first show when the form was not
// loaded), OnShow, OnActivate; on closing OnCloseQuery, OnClose, then OnDeactivate and OnHide when the form
// hides; OnDestroy when it is freed.

class TBitmap;

enum TFormBorderStyle
{
    bsNone,
    bsSingle,
    bsSizeable,
    bsDialog,
    bsToolWindow,
    bsSizeToolWin
};

enum TBorderIcon
{
    biSystemMenu,
    biMinimize,
    biMaximize,
    biHelp
};
using TBorderIcons = TSet<TBorderIcon>;

enum TPosition
{
    poDesigned,
    poDefault,
    poDefaultPosOnly,
    poDefaultSizeOnly,
    poScreenCenter,
    poDesktopCenter,
    poMainFormCenter,
    poOwnerFormCenter
};

enum TFormStyle
{
    fsNormal,
    fsMDIChild,
    fsMDIForm,
    fsStayOnTop
};

enum TWindowState
{
    wsNormal,
    wsMinimized,
    wsMaximized
};

enum TCloseAction
{
    caNone,
    caHide,
    caFree,
    caMinimize
};

using TModalResult = int;
constexpr TModalResult mrNone = 0;
constexpr TModalResult mrOk = 1;
constexpr TModalResult mrCancel = 2;
constexpr TModalResult mrAbort = 3;
constexpr TModalResult mrRetry = 4;
constexpr TModalResult mrIgnore = 5;
constexpr TModalResult mrYes = 6;
constexpr TModalResult mrNo = 7;
constexpr TModalResult mrAll = 8;
constexpr TModalResult mrNoToAll = 9;
constexpr TModalResult mrYesToAll = 10;
constexpr TModalResult mrClose = 11;

using TCloseEvent = std::function<void(TObject* sender, TCloseAction& action)>;
using TCloseQueryEvent = std::function<void(TObject* sender, bool& canClose)>;
using TShortCutEvent = std::function<void(TMessage& message, bool& handled)>;

class TCustomForm : public TWinControl, public IParentForm
{
public:
    explicit TCustomForm(TComponent* owner);
    ~TCustomForm() override;

    TFormBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TFormBorderStyle value);
    TBorderIcons BorderIcons() const { return borderIcons_; }
    void SetBorderIcons(TBorderIcons value);
    TPosition Position() const { return position_; }
    void SetPosition(TPosition value) { position_ = value; }
    TFormStyle FormStyle() const { return formStyle_; }
    void SetFormStyle(TFormStyle value);
    TWindowState WindowState() const;
    void SetWindowState(TWindowState value);
    // A top-level form placed or moved within 10 pixels of its monitor's work-area edge lands on it.
    bool ScreenSnap() const { return screenSnap_; }
    void SetScreenSnap(bool value) { screenSnap_ = value; }
    void SetBounds(int left, int top, int width, int height) override;
    bool KeyPreview() const override { return keyPreview_; }
    void SetKeyPreview(bool value) { keyPreview_ = value; }
    // The window's icon; nullptr for the application's.
    void SetIcon(const TBitmap* icon);
    // The form that owns this one's window (nullptr: none). An owned form is its owner's transient window:
    // it has no task-bar entry of its own and stays above its owner; fsStayOnTop then keeps it above its
    // owner only, not above other programs. Unlike a child window it keeps its own enabled state.
    TCustomForm* OwnerForm() const { return ownerForm_; }
    void SetOwnerForm(TCustomForm* owner);

    // The control that has (or gets, once the form is active) the focus.
    TWinControl* ActiveControl() const { return activeControl_; }
    void SetActiveControl(TWinControl* control);
    // True while this form is the active window.
    bool Active() const { return active_; }
    TModalResult ModalResult() const { return modalResult_; }
    void SetModalResult(TModalResult value) { modalResult_ = value; }
    bool Modal() const { return modalLevel_ > 0; }

    void Show();
    void Hide();
    // Shows the form and runs the messages until ModalResult is set (or the form closes); the other forms
    // take no input meanwhile. Answers ModalResult.
    TModalResult ShowModal();
    // Asks OnCloseQuery, then does what OnClose decides: hide (caHide), free later (caFree), minimize or
    // nothing. A modal form only sets ModalResult to mrCancel when none is set.
    void Close();
    // Frees the form once its current messages are handled.
    void Release();
    virtual bool CloseQuery();
    TWinControl& FormControl() override { return *this; }
    bool SetFocusedControl(TWinControl* control) override;
    void FocusControl(TWinControl* control) override;
    void DefocusControl(TWinControl* control, bool removing) override;
    // Tells the focused control to end its mouse modes because sender takes the mouse.
    void SendCancelMode(TControl* sender) override;
    // Form-wide shortcuts: OnShortCut, then the items of the menus the form owns, then the enabled actions of
    // the form's action lists.
    bool IsShortCut(const TMessage& message) override;

    TNotifyEvent OnCreate;
    TNotifyEvent OnShow;
    TNotifyEvent OnHide;
    TNotifyEvent OnActivate;
    TNotifyEvent OnDeactivate;
    TCloseEvent OnClose;
    TCloseQueryEvent OnCloseQuery;
    TNotifyEvent OnDestroy;
    TShortCutEvent OnShortCut;

    void Dispatch(TMessage& message) override;

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void Loaded() override;
    void Notification(TComponent* component, TOperation operation) override;
    void DoCreate();
    virtual void DoShow();
    virtual void DoHide();
    virtual void DoClose(TCloseAction& action);
    virtual void Activate();
    virtual void Deactivate();

private:
    void PlaceForPosition();
    void SetActive(bool active);
    // The menu key (SC_KEYMENU) goes to the application's hooks; F1's help to the application.
    void WMSysCommand(TMessage& message);
    void WMHelp(TMessage& message);
    void ApplyWindowFlags();
    // Links the window to its owner's as the desktop's transient window (or unlinks it).
    void LinkToOwnerWindow();
    void RelinkOwnedForms();

    TFormBorderStyle borderStyle_ = bsSizeable;
    TBorderIcons borderIcons_ = {biSystemMenu, biMinimize, biMaximize};
    TPosition position_ = poDefaultPosOnly;
    TFormStyle formStyle_ = fsNormal;
    TCustomForm* ownerForm_ = nullptr;
    TWindowState windowState_ = wsNormal;
    bool keyPreview_ = false;
    bool screenSnap_ = false;
    TWinControl* activeControl_ = nullptr;
    TWinControl* focusedControl_ = nullptr;
    bool active_ = false;
    bool created_ = false;
    bool placed_ = false;
    TModalResult modalResult_ = mrNone;
    int modalLevel_ = 0;
    bool closing_ = false;
};

class TForm : public TCustomForm
{
public:
    explicit TForm(TComponent* owner) : TCustomForm(owner) {}
};

// The form (or other top-level window) holding control; nullptr when it has none.
TCustomForm* GetParentForm(const TControl* control, bool topForm = true);

// The form's window as the support library's message boxes and top-most switch take it (its window is made
// when it has none yet).
TWindowHandle WindowHandleOf(TCustomForm& form);
