#pragma once

#include "controls/skins/skin_edit.h"
#include "controls/skins/skin_spin_edit_options.h"

#include <memory>

class TQvSpinButton;

// A skinned edit holding a number (SpinOptions) with an up/down button inside its right edge: the button,
// the Up and Down keys step the value; Enter and leaving the edit read the typed text, and text that is no
// number or outside the bounds puts the value's text back.
class TQvSpinEdit : public TQvEdit
{
public:
    explicit TQvSpinEdit(TComponent* owner);
    ~TQvSpinEdit() override;

    // Every change of the text is read at once, not only on Enter and focus loss.
    bool ExtendedAccept() const { return FExtendedAccept; }
    void SetExtendedAccept(bool value) { FExtendedAccept = value; }
    // nullptr once the button has been freed elsewhere.
    TQvSpinButton* SpinButton() const { return FSpinButton; }
    TQvSpinEditOptions* SpinOptions() const { return FSpinOptions.get(); }
    double Value() const { return FSpinOptions->Value(); }
    void SetValue(double value) { FSpinOptions->SetValue(value); }
    // The options' event: its sender is the options object.
    TNotifyEvent& OnValueChanged() { return FSpinOptions->OnValueChanged; }

protected:
    virtual void DoUpClick();
    virtual void DoDownClick();
    void KeyDown(uint16_t& key, TShiftState shift) override;
    void KeyPress(char32_t& key) override;
    void Change() override;
    void Notification(TComponent* component, TOperation operation) override;
    void Dispatch(TMessage& message) override;

private:
    // Shows the value's text; text that grows keeps the caret after the number.
    void ShowValueText(const std::string& text);

    bool FExtendedAccept = false;
    TQvSpinButton* FSpinButton; // owned and parented by the edit
    std::unique_ptr<TQvSpinEditOptions> FSpinOptions;
};
