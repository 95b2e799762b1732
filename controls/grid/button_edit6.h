#pragma once

#include "controls/grid/edit6.h"
#include "controls/grid/edit_button6.h"

// A 6-series edit with one button at its right end; the text keeps clear of it.
class TGxCustomButtonEdit6 : public TGxEdit6
{
public:
    // Makes the edit's button; the edit owns it.
    using TButtonFactory = TGxEditButton* (*)(TGxCustomButtonEdit6* edit);

    TGxEditButton* Button() const { return button_; }
    int ButtonWidth() const { return buttonWidth_; }
    void SetButtonWidth(int value);
    bool ShowButton() const { return showButton_; }
    // Shows or hides the button; the text takes its width back.
    void SetShowButton(bool value);
    // From another button edit also the button's width.
    void Assign(const TPersistent* source) override;

    TNotifyEvent OnButtonClick;

protected:
    // A constructor cannot reach a derived class's override, so each kind of button edit hands the maker of
    // its button to this one.
    TGxCustomButtonEdit6(TComponent* owner, TButtonFactory createButton);

    virtual void DoButtonClick();
    virtual void DoButtonDown() {}
    virtual void DoButtonUp() {}
    void CreateWnd() override;
    void Dispatch(TMessage& message) override;

private:
    TGxEditButton* button_;
    int buttonWidth_;
    bool showButton_ = true;
};
