#include "controls/skins/skin_control_focus.h"

#include "platform/gui/forms/forms.h"
#include "platform/gui/windows/win_control.h"

bool CanFocusControl(TControl* control)
{
    auto* windowed = dynamic_cast<TWinControl*>(control);
    if (!windowed || windowed->Focused())
        return false;
    const TCustomForm* form = GetParentForm(windowed);
    return form && form->Enabled() && form->Visible() && windowed->CanFocus();
}
