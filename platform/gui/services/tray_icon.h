#pragma once

#include "platform/gui/core/classes.h"

#include <memory>
#include <string>

// The program's icon in the desktop's notification area (the tray): a picture with a hint, a click and
// double-click, and a popup menu on the context request. Not every desktop has a tray; where none is
// shown, putting a window away into the tray minimises it instead of hiding it, so that the task bar can
// always bring it back.

class TCustomForm;
class TIcon;
class TPopupMenu;

// True when the desktop shows tray icons now.
bool TrayAvailable();

class TTrayIcon : public TComponent
{
public:
    explicit TTrayIcon(TComponent* owner);
    ~TTrayIcon() override;

    bool Visible() const { return visible_; }
    void SetVisible(bool value);
    const std::string& Hint() const { return hint_; }
    void SetHint(const std::string& value);
    // The picture shown; an empty icon shows the application's window icon.
    TIcon* Icon() const { return icon_.get(); }
    void SetIcon(const TIcon* icon);
    // Shown at the pointer on the context request (when its AutoPopup is set), with the tray icon as its
    // PopupComponent.
    TPopupMenu* PopupMenu() const { return popupMenu_; }
    void SetPopupMenu(TPopupMenu* menu);

    // Puts the form away: the icon shows and the form hides, or, without a tray, the form is minimised.
    void MinimizeToTray(TCustomForm* form);
    // Brings the form back in its normal size and in front, and takes the icon away.
    void RestoreFromTray(TCustomForm* form);

    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;

protected:
    virtual void Click();
    virtual void DblClick();
    virtual void ContextPopup();
    void Notification(TComponent* component, TOperation operation) override;

private:
    struct Impl;
    void ApplyIcon();

    std::unique_ptr<Impl> impl_;
    bool visible_ = false;
    std::string hint_;
    std::unique_ptr<TIcon> icon_;
    TPopupMenu* popupMenu_ = nullptr;
};

// Whether the form is away in the tray: hidden, or minimised where there is no tray.
bool FormInTray(const TCustomForm* form);
