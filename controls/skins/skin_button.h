#pragma once

#include "controls/skins/skin_text_object.h"

#include <memory>

class TBitmap;
class TPopupMenu;
class TRepeatingTimer;

// A skinned caption control that can take the focus and belongs to a group: checking a button of a group
// unchecks the others of its class under the same parent (CM_BUTTONGROUPCHANGED).
class TQvButtonControl : public TQvTextObject
{
public:
    explicit TQvButtonControl(TComponent* owner);

    // With AllowAllUp the checked button of a group may be unchecked, leaving none checked.
    bool AllowAllUp() const { return FAllowAllUp; }
    void SetAllowAllUp(bool value);
    // 0: no group.
    int GroupIndex() const { return FGroupIndex; }
    void SetGroupIndex(int value);
    bool IsGrouped() const { return FGroupIndex != 0; }
    void SetChecked(bool value) override;

    // Only on a shown and enabled form, with every control up to it shown and enabled.
    bool CanFocus() const override;
    void Dispatch(TMessage& message) override;

private:
    // Tells the other buttons of the parent that this one's group state changed.
    void UpdateGroup();
    void ButtonGroupChanged(TMessage& message);
    void DialogChar(TMessage& message);

    bool FAllowAllUp = false;
    int FGroupIndex = 0;
};

// A push button painted through the skin or from a four-state bitmap, that opens a drop-down menu below
// itself, repeats its click while held (Repeating), and answers Enter (Default) and Escape (Cancel).
class TQvCustomButton : public TQvButtonControl
{
public:
    explicit TQvCustomButton(TComponent* owner);
    ~TQvCustomButton() override;

    // Four bands from top to bottom: normal, hot, pushed or checked, disabled. Copied; its height must
    // divide by 4, else the skin's face is painted.
    TBitmap* Bitmap() const { return FBitmap.get(); }
    void SetBitmap(const TBitmap* value);
    bool BitmapTransparent() const { return FBitmapTransparent; }
    void SetBitmapTransparent(bool value);
    bool Cancel() const { return FCancel; }
    void SetCancel(bool value) { FCancel = value; }
    bool Default() const { return FDefault; }
    void SetDefault(bool value);
    bool DropDownArrow() const { return FDropDownArrow; }
    void SetDropDownArrow(bool value);
    TPopupMenu* DropDownMenu() const { return FDropDownMenu; }
    void SetDropDownMenu(TPopupMenu* value);
    // The face is painted only while hot, focused, pushed or checked.
    bool Flat() const { return FFlat; }
    void SetFlat(bool value);
    int ModalResult() const { return FModalResult; }
    void SetModalResult(int value) { FModalResult = value; }
    // Holding the left button clicks at once, after 400 ms and then every 100 ms; such a button opens no
    // menu and sets no modal result.
    bool Repeating() const { return FRepeating; }
    void SetRepeating(bool value) { FRepeating = value; }

    // The drop-down menu is open.
    bool IsDroppedDown() const { return FDropDownMenuVisible; }
    bool HasStateBitmap() const;
    // The band of Bitmap for the state the button shows; empty without a state bitmap.
    TRect GetSkinStateRect() const;
    void StopRepeat();

    void Click() override;
    void Dispatch(TMessage& message) override;

protected:
    virtual bool DrawDropDownArrow(TCanvas& canvas, const TRect& rect);
    virtual TPopupMenu* GetDropDownMenu() { return FDropDownMenu; }

    void AdjustFont(TFont& font) override;
    bool DrawBackground(TCanvas& canvas, const TRect& rect, TQvPaintStage stage) override;
    void GetFocusRect(TRect& focusR, const TRect& clientR, const TRect& textR, const TRect& glyphR) override;
    TRect GetTextMargins() override;
    bool ShowsFocus() override { return Focused(); }
    bool GetPushed() const override;
    void CreateWnd() override;
    void Notification(TComponent* component, TOperation operation) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

    bool FToolbarStyle = false; // a flat face is painted as a toolbar button's
    TControl* FPopupControl;    // the control the drop-down menu opens below: the button itself

private:
    void PaintFace(TCanvas& canvas, const TRect& rect);
    void PaintStateBitmap(TCanvas& canvas, const TRect& rect);
    void RunDropDownMenu(TPopupMenu& menu);
    // Drops the presses queued over this button (the click that closed its menu) and keeps the rest.
    void FlushMouseClicks();
    void RepeatTimerTick();
    void FocusChanged(TWinControl* focused);
    void DialogKey(TMessage& message);

    std::unique_ptr<TBitmap> FBitmap;
    bool FBitmapTransparent = true;
    bool FActive = false; // the button answers Enter now
    bool FCancel = false;
    bool FDefault = false;
    bool FDropDownArrow = true;
    TPopupMenu* FDropDownMenu = nullptr;
    bool FDropDownMenuVisible = false; // from the menu's opening until CM_POPUPCLOSED
    bool FFlat = false;
    int FModalResult = 0;
    bool FRepeating = false;
    std::unique_ptr<TRepeatingTimer> FRepeatTimer; // from the first repeating press until StopRepeat
};
