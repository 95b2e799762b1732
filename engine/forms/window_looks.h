#pragma once

#include "engine/app_params.h"

class TKvpPngButton;
class TKvpPanel;

// The looks every secondary window copies from the main window when it is created: its buttons take the
// appearance of the hidden template button btnT, its bottom panel that of the template panel pnT_Dark, and
// text views of tool output the monospace font. The templates belong to the main window and outlive every
// window that reads them; a test builds its own.
struct TWindowLooks
{
    const TKvpPngButton* ButtonTemplate = nullptr; // btnT
    const TKvpPanel* PanelTemplate = nullptr;      // pnT_Dark
    TFontParams MonospaceFont;
};

// Copies the template button's appearance into the button (nothing without a template).
void ApplyButtonLooks(TKvpPngButton& button, const TWindowLooks& looks);
// Copies the template panel's appearance into the panel (nothing without a template).
void ApplyPanelLooks(TKvpPanel& panel, const TWindowLooks& looks);
