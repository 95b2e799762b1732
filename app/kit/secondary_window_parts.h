#pragma once

#include "engine/app_params.h"
#include "engine/forms/window_looks.h"
#include "platform/gui/windows/keys.h"

#include <functional>

class TAction;
class TActionList;
class TControl;
class TForm;
class TKvpPanel;
class TKvpPngButton;
class TObject;

// What the secondary windows share: they stay on top, open centred on their owner, carry only the close
// button in their frame, and hold their commands in a bottom panel of buttons that copy the main window's
// looks.

// A window of that kind with the given client size, background and smallest size.
void SetUpSecondaryWindow(TForm& form, int clientWidth, int clientHeight, int minWidth, int minHeight);

// An action of the list running execute; shortCut 0 for none.
TAction* AddWindowAction(TActionList& list, std::function<void(TObject*)> execute, TShortCut shortCut = 0);

// The bottom panel (41 pixels high) with the template panel's looks.
TKvpPanel* AddBottomPanel(TForm& form, const TWindowLooks& looks);
// The panel's buttons for the actions, 120 x 27 each, left to right at the panel's right edge and anchored
// there, with the template button's looks and the window font at 8 points.
void AddPanelButtons(TKvpPanel& panel, std::initializer_list<std::pair<TKvpPngButton**, TAction*>> buttons,
                     const TWindowLooks& looks);

// The font of text views that show tool output.
void SetMonospaceFont(TControl& control, const TFontParams& font);
