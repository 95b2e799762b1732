#pragma once

#include "controls/toolbars/item_types.h"

// Carries out how a menu's modal loop ended, once the loop has returned and the menus are gone: a chosen
// command is queued to run from the message loop (unless only the item is wanted), the window's system menu
// opens, or help is asked for. Answers the chosen item, nullptr for the other ends.
TBarCustomItem* RunDoneAction(const TBarDoneActionData& data, bool returnClickedItemOnly);
