#include "controls/skins/skin_speed_button.h"

TQvCustomSpeedButton::TQvCustomSpeedButton(TComponent* owner) : TQvCustomButton(owner)
{
    // The caption does not follow the component's name.
    TControlStyle style = ControlStyle();
    style.Exclude(csSetCaption);
    SetControlStyle(style);
    SetBounds(0, 0, 23, 22);
    FToolbarStyle = true;
}

void TQvCustomSpeedButton::Click()
{
    if (GroupIndex() != 0)
        SetChecked(AllowAllUp() ? !Checked() : true);
    TQvCustomButton::Click();
}
