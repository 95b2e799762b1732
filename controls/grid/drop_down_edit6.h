#pragma once

#include "controls/grid/button_edit6.h"
#include "controls/grid/drop_down6.h"
#include "controls/grid/popup_control6.h"

#include <vector>

// A button edit whose button drops a popup down below the edit, with a read-only list style in which the
// edit shows its text as a combo box shows its choice. The button's Down mirrors DroppedDown. A popup is
// made at every drop-down; closing up hides it, gives the mouse back and tells OnCloseUp, and the popup is
// freed from the message loop afterwards, never while one of its own handlers runs.
class TGxDropDownEdit6 : public TGxCustomButtonEdit6, public IGxDropDown
{
public:
    explicit TGxDropDownEdit6(TComponent* owner);
    ~TGxDropDownEdit6() override;

    bool AutoClose() const override { return autoClose_; }
    void SetAutoClose(bool value) { autoClose_ = value; }
    bool AutoDropDown() const { return autoDropDown_; }
    // Drops down on entering the control (and, in a combo box, on typing).
    void SetAutoDropDown(bool value) { autoDropDown_ = value; }
    bool DroppedDown() const override { return droppedDown_; }
    void SetDroppedDown(bool value) override;
    TGxPopupAnchor PopupAnchor() const { return popupAnchor_; }
    void SetPopupAnchor(TGxPopupAnchor value) { popupAnchor_ = value; }
    // The popup while the edit is dropped down; nullptr otherwise.
    TGxPopupControl6* PopupControl() const { return popupControl_; }
    TGxDropDownStyle Style() const { return style_; }
    // The list style makes the edit read-only and its cursor the arrow.
    void SetStyle(TGxDropDownStyle value);
    // The user's read-only switch; the window is read-only in the list style as well.
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool value);
    // Not while dropped down, else as any 6-series edit.
    bool CanDispatchKey(uint16_t key, TShiftState shift) const override;

    void DoCloseUp() override;
    void DoSelect() override;

    TNotifyEvent OnCloseUp;
    TNotifyEvent OnDropDown;
    TNotifyEvent OnSelect;

protected:
    // Makes the popup a drop-down shows.
    virtual TGxPopupControl6* CreatePopupControl() = 0;
    virtual void DropDown();
    virtual void CloseUp();
    // The list style's face: the text on the highlight while focused.
    virtual void PaintListText(TCanvas& canvas);
    virtual void DoDropDown();
    // The popup exists and is about to be placed.
    virtual void DoPrepareDropDown() {}

    void DoButtonDown() override { SetDroppedDown(true); }
    void DoButtonUp() override { SetDroppedDown(false); }
    void DoEnter() override;
    void KeyDown(uint16_t& key, TShiftState shift) override;
    void PaintWindow(HDC dc) override;
    void Dispatch(TMessage& message) override;

private:
    bool ListStyle() const { return style_ == dsDropDownList; }
    void ApplyReadOnly();
    void FocusGained(TMessage& message);
    void ShowCaretForStyle();
    void FreeRetiredPopups();

    bool autoClose_ = true;
    bool autoDropDown_ = false;
    bool droppedDown_ = false;
    TGxPopupAnchor popupAnchor_ = PopupAnchor::paLeft;
    bool readOnly_ = false;                    // the user's switch
    TGxPopupControl6* popupControl_ = nullptr; // owned while it exists
    std::vector<TGxPopupControl6*> retired_;   // closed popups waiting to be freed
    TGxDropDownStyle style_ = dsDropDown;
};
