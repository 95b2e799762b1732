#include "engine/forms/window_looks.h"

#include "controls/pack/panel.h"
#include "controls/pack/png_button.h"

void ApplyButtonLooks(TKvpPngButton& button, const TWindowLooks& looks)
{
    if (looks.ButtonTemplate)
        button.Appearance()->Assign(looks.ButtonTemplate->Appearance());
}

void ApplyPanelLooks(TKvpPanel& panel, const TWindowLooks& looks)
{
    if (looks.PanelTemplate)
        panel.Appearance()->Assign(looks.PanelTemplate->Appearance());
}
