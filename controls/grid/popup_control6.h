#pragma once

#include "controls/grid/drop_down6.h"
#include "controls/grid/scroll_control6.h"

#include <string>

class TGxCustomEdit6;

// The drop-down window of a 6-series edit: a borderless top-most window that never takes the focus, opens
// below (or above) its edit inside the work area of its monitor, holds the mouse capture while the pointer
// is outside it so that a press anywhere else closes it, and closes its edit up (through IGxDropDown) when
// a choice is made. The edit creates it, shows it, closes it and decides when it is freed; the popup never
// frees itself.

enum TGxPopupStateFlag
{
    psOpening,
    psClosing
};
using TGxPopupState = TSet<TGxPopupStateFlag>;

// Where a popup of size stands when it hangs from (x, y), the bottom corner of its owner: inside workArea,
// and above the owner (ownerHeight high) whenever keeping it inside would cover the owner.
TRect PlacePopup(int x, int y, TSize size, TGxPopupAnchor anchor, const TRect& workArea, int ownerHeight);

class TGxPopupControl6 : public TGxScrollControl6
{
public:
    explicit TGxPopupControl6(TComponent* owner);

    IGxDropDown* DropDown() const { return dropDown_; }
    void SetDropDown(IGxDropDown* value) { dropDown_ = value; }
    TGxPopupState PopupState() const { return popupState_; }
    bool ShowShadow() const { return showShadow_; }
    // Makes the window again (the shadow belongs to the window).
    void SetShowShadow(bool value);
    // The window rectangle in client coordinates (the border included).
    TRect ControlRect() const;

    // Shows the popup hanging from the screen point (x, y) as anchor says.
    virtual void Popup(int x, int y, TGxPopupAnchor anchor);
    void Popup(TPoint location, TGxPopupAnchor anchor) { Popup(location.X, location.Y, anchor); }
    // Closes the edit up when it lets the popup close itself; nothing without a drop-down.
    virtual void Close(const std::string& text);
    // Shows the edit's selection again; nothing here.
    virtual void SyncSelection() {}
    // The popup's own handling of a key the edit hands on.
    void HandleKey(uint16_t& key, TShiftState shift) { KeyDown(key, shift); }

protected:
    // Before the popup is placed (a list sizes itself here) and after it became visible.
    virtual void BeforePopup() {}
    virtual void AfterPopup() {}
    void CreateParams(TCreateParams& params) override;
    void Dispatch(TMessage& message) override;
    // The edit is told to close up; the popup is gone from the screen when this answers.
    void CloseEdit();
    // The capture while the pointer is outside the popup.
    void CaptureWhenOutside();

private:
    void ButtonDown(TMessage& message);
    void ButtonUp(TMessage& message);
    void PaintFrame();

    IGxDropDown* dropDown_ = nullptr; // the owner as a drop-down, when it is one
    TGxPopupState popupState_;
    bool mouseDown_ = false; // a press began on the popup
    bool showShadow_ = false;
};

// A popup that belongs to an edit and can write a text into it.
class TGxEditPopupControl6 : public TGxPopupControl6
{
public:
    explicit TGxEditPopupControl6(TComponent* owner);

    TGxCustomEdit6* Edit() const;
    // The edit's text becomes text, then the popup closes.
    void Close(const std::string& text) override;
};
