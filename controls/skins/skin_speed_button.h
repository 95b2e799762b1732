#pragma once

#include "controls/skins/skin_button.h"

// A skinned button that never takes the focus, painted as a toolbar button when flat; with a GroupIndex a
// click checks it (or, with AllowAllUp, toggles it).
class TQvCustomSpeedButton : public TQvCustomButton
{
public:
    explicit TQvCustomSpeedButton(TComponent* owner);

    bool CanFocus() const override { return false; }
    void Click() override;
};

class TQvSpeedButton : public TQvCustomSpeedButton
{
public:
    using TQvCustomSpeedButton::TQvCustomSpeedButton;
};
