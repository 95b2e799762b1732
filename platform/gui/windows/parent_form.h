#pragma once

// The form a control sits on, as the control model needs it: the form remembers which of its controls has
// the focus, may preview their keys and answers form-wide shortcuts. Forms implement it; the control model
// reaches the form only through it, so the window room stands before the forms room.

#include "platform/gui/windows/messages.h"

class TControl;
class TWinControl;

class IParentForm
{
public:
    // The form itself, as a windowed control.
    virtual TWinControl& FormControl() = 0;
    virtual bool KeyPreview() const = 0;
    virtual bool SetFocusedControl(TWinControl* control) = 0;
    virtual void FocusControl(TWinControl* control) = 0;
    virtual void DefocusControl(TWinControl* control, bool removing) = 0;
    // Tells the focused control to end its mouse modes because sender takes the mouse.
    virtual void SendCancelMode(TControl* sender) = 0;
    virtual bool IsShortCut(const TMessage& message) = 0;

protected:
    ~IParentForm() = default;
};

// The top-most form holding control (the nearest one when topForm is false); nullptr when it has none.
IParentForm* FindParentForm(const TControl* control, bool topForm = true);
